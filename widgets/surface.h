#pragma once
// A drawing surface with a user coordinate system, in the manner of a classic
// picture box: a persistent layer and an overlay, a current point, a
// foreground colour, lines, points and filled boxes, shapes on top, and mouse
// events in user units. Everything drawn is kept as primitives in user
// coordinates, so what was drawn, and where, can be read back.
//
// Layers: while persistent drawing is on, drawing goes into the persistent
// layer; while it is off, into the overlay. cls() with persistent drawing off
// and refresh() empty the overlay; cls() with persistent drawing on empties
// both layers. A repaint by the window system never erases anything. The
// overlay drops what a later primitive hides for good (see addToOverlay).

#include <QColor>
#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

class Shape;

class Surface : public QWidget {
public:
    struct Primitive {
        enum class Kind { Line, Point, Box };
        Kind kind;
        double x1, y1, x2, y2;  // a point uses x1, y1
        QRgb color;             // opaque RGB
    };

    // Mouse handler: button bit set (1 left, 2 right, 4 middle), shift bit set
    // (1 shift, 2 control, 4 alt), X and Y in user units.
    using MouseHandler = std::function<void(int button, int shift, float x, float y)>;

    explicit Surface(QWidget* parent = nullptr);

    // --- user scale (single precision, as set) ---------------------------
    // Until a scale is set, the scale is in twips (15 per pixel) of the client
    // area and follows its size. Once set, it keeps its values and is
    // stretched over the client area. A negative height makes y grow upward.
    void setScale(float left, float top, float width, float height);
    void setScaleLeft(float v);
    void setScaleTop(float v);
    void setScaleWidth(float v);
    void setScaleHeight(float v);
    float scaleLeft() const;
    float scaleTop() const;
    float scaleWidth() const;
    float scaleHeight() const;

    // The client area (inside the sunken border), in widget pixels.
    QRect clientRect() const;
    // Conversions between user units and widget pixel coordinates
    // (fractional; pixel (i, j) covers [i, i+1) x [j, j+1)).
    QPointF toPixels(double x, double y) const;
    QPointF toUser(QPointF pixel) const;

    // --- drawing ----------------------------------------------------------
    void setAutoRedraw(bool persistent);
    bool autoRedraw() const { return m_persistent; }
    void cls();
    void refresh();
    void setForeColor(QColor c);
    QColor foreColor() const { return QColor(m_foreColor); }
    void setBackColor(QColor c);
    QColor backColor() const { return QColor(m_backColor); }
    // A line between two points; the end becomes the current point.
    void line(double x1, double y1, double x2, double y2, std::optional<QColor> color = {});
    // A line from the current point.
    void lineTo(double x, double y, std::optional<QColor> color = {});
    // A single point; it becomes the current point.
    void pset(double x, double y, std::optional<QColor> color = {});
    // A box filled with `color`, corners in user units; the second corner
    // becomes the current point.
    void box(double x1, double y1, double x2, double y2, QColor color);
    double currentX() const { return m_currentX; }
    double currentY() const { return m_currentY; }
    void setCurrentX(double x) { m_currentX = x; }
    void setCurrentY(double y) { m_currentY = y; }

    const std::vector<Primitive>& persistentLayer() const { return m_persistentLayer; }
    const std::vector<Primitive>& overlay() const { return m_overlay; }

    // --- mouse --------------------------------------------------------------
    MouseHandler onMouseDown;
    MouseHandler onMouseMove;
    MouseHandler onMouseUp;

    // Shapes register themselves with their parent surface.
    void addShape(Shape* s);
    void removeShape(Shape* s);

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;

private:
    // The user-to-pixel mapping of the moment, computed once per use.
    struct Mapping {
        double cl, ct, left, top, fx, fy;
        double px(double x) const { return cl + (x - left) * fx; }
        double py(double y) const { return ct + (y - top) * fy; }
    };
    const Mapping& mapping() const;
    void add(Primitive p);
    void addToOverlay(const Primitive& p);
    // Drops every line or point of the overlay that a later one paints over
    // again, pixel for pixel in the same colour.
    void compactOverlay();
    // Asks for a repaint of `r` unless an area already asked for since the
    // last paint holds it; a whole-surface repaint when `r` is null.
    void invalidate(const QRect& r = QRect());
    void scaleChanged();
    void dispatch(const MouseHandler& h, int button, QMouseEvent* e);

    bool m_userScale = false;
    float m_left = 0, m_top = 0, m_width = 0, m_height = 0;
    bool m_persistent = false;
    QRgb m_foreColor = qRgb(0, 0, 0);
    QRgb m_backColor;
    double m_currentX = 0, m_currentY = 0;
    std::vector<Primitive> m_persistentLayer;
    std::vector<Primitive> m_overlay;
    std::vector<Shape*> m_shapes;
    // Areas asked to be repainted since the last paint: the whole surface,
    // or the last few rectangles asked for.
    bool m_wholeDirty = false;
    std::vector<QRect> m_dirty;
    int m_requests = 0;  // areas asked for since the last paint
    // The overlay is compacted when it grows past this size (and past the
    // minimum, below which a compaction would not pay).
    static constexpr std::size_t minOverlayLimit = 8192;
    std::size_t m_overlayLimit = 0;
    mutable Mapping m_mapping{};
    mutable bool m_mappingValid = false;
    mutable QSize m_mappingSize;
};

// A shape placed inside a Surface in the surface's user units: a filled
// rectangle, or a vertical line one pixel wide spanning the whole client
// height (only its left matters). Shapes are drawn on top of both layers
// and let mouse events through to the surface.
class Shape : public QWidget {
public:
    enum class Kind { Rectangle, VerticalLine };
    Shape(Kind kind, Surface* parent);
    ~Shape() override;

    Kind kind() const { return m_kind; }
    // Geometry in the parent surface's user units.
    void setUserLeft(float v);
    void setUserTop(float v);
    void setUserWidth(float v);
    void setUserHeight(float v);
    float userLeft() const { return m_left; }
    float userTop() const { return m_top; }
    float userWidth() const { return m_width; }
    float userHeight() const { return m_height; }
    void setColor(QColor c);
    QColor color() const { return m_color; }

    // Places the widget from the user geometry; called by the surface too.
    void relayout();

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Kind m_kind;
    float m_left = 0, m_top = 0, m_width = 0, m_height = 0;
    QColor m_color{128, 128, 255};
};
