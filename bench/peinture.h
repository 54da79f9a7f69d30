#pragma once
// The paint that comes before any work in the program: the benchmarks whose
// work has no window of its own paint this surface through the event loop
// before each iteration (outside the timing), so that their work starts in
// the state painting leaves, as it does in the program.

#include "widgets/surface.h"

#include <QCoreApplication>

#include <cmath>

class SurfacePeinte {
public:
    SurfacePeinte()
    {
        m_surface.resize(400, 300);
        m_surface.setScale(0, 1.5f, 6.3f, -3);
        m_surface.setAutoRedraw(true);
        for (int i = 0; i < 1024; ++i)
            m_surface.line(i * 0.006, std::sin(i * 0.006), (i + 1) * 0.006, std::sin((i + 1) * 0.006));
        m_surface.setAutoRedraw(false);
        m_surface.show();
        QCoreApplication::processEvents();
    }
    void peindre()
    {
        m_surface.update();
        QCoreApplication::processEvents();
    }

private:
    Surface m_surface;
};
