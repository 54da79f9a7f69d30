#include "widgets/surface.h"

#include "widgets/controls.h"

#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <functional>
#include <tuple>
#include <unordered_set>

namespace {

constexpr int twipsPerPixel = 15;
constexpr int borderWidth = 2;
// Painting works on coordinates clipped to the client area plus this margin,
// so that a huge coordinate never reaches the rasteriser.
constexpr double clipMargin = 4.0;

// Liang-Barsky clipping of a segment to [x0, x1] x [y0, y1]. Returns false
// when nothing of it is inside or a coordinate is not finite. An end moved
// onto an edge takes that edge's coordinate exactly: with huge ends, a + t·d
// cancels and would lose the visible part of the segment.
bool clipSegment(double& ax, double& ay, double& bx, double& by,
                 double x0, double y0, double x1, double y1)
{
    if (!std::isfinite(ax) || !std::isfinite(ay) || !std::isfinite(bx) || !std::isfinite(by))
        return false;
    // Ends near the largest doubles: halve everything (exactly) so that the
    // differences stay finite.
    double unscale = 1.0;
    if (!std::isfinite(bx - ax) || !std::isfinite(by - ay)) {
        unscale = 2.0;
        for (double* v : {&ax, &ay, &bx, &by, &x0, &y0, &x1, &y1})
            *v *= 0.5;
    }
    const double dx = bx - ax, dy = by - ay;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {ax - x0, x1 - ax, ay - y0, y1 - ay};
    double t0 = 0.0, t1 = 1.0;
    int enter = -1, leave = -1;  // the edge each clipped end lies on
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0)
                return false;
            continue;
        }
        const double r = q[i] / p[i];
        if (p[i] < 0.0) {
            if (r > t1)
                return false;
            if (r > t0) {
                t0 = r;
                enter = i;
            }
        } else {
            if (r < t0)
                return false;
            if (r < t1) {
                t1 = r;
                leave = i;
            }
        }
    }
    auto endAt = [&](double t, int edge, double& x, double& y) {
        x = std::clamp(ax + t * dx, x0, x1);
        y = std::clamp(ay + t * dy, y0, y1);
        switch (edge) {
        case 0: x = x0; break;
        case 1: x = x1; break;
        case 2: y = y0; break;
        case 3: y = y1; break;
        }
    };
    if (leave >= 0)
        endAt(t1, leave, bx, by);
    if (enter >= 0)
        endAt(t0, enter, ax, ay);
    ax *= unscale;
    ay *= unscale;
    bx *= unscale;
    by *= unscale;
    return true;
}

bool finite(QPointF p) { return std::isfinite(p.x()) && std::isfinite(p.y()); }

int pixelOf(double v) { return static_cast<int>(std::floor(v)); }

}  // namespace

Surface::Surface(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_backColor = palette().color(QPalette::Button).rgb();
}

// ---- scale -------------------------------------------------------------------

QRect Surface::clientRect() const
{
    const QRect r = rect().adjusted(borderWidth, borderWidth, -borderWidth, -borderWidth);
    return r.isValid() ? r : QRect(borderWidth, borderWidth, 0, 0);
}

void Surface::setScale(float left, float top, float width, float height)
{
    m_userScale = true;
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    scaleChanged();
}

void Surface::setScaleLeft(float v) { setScale(v, scaleTop(), scaleWidth(), scaleHeight()); }
void Surface::setScaleTop(float v) { setScale(scaleLeft(), v, scaleWidth(), scaleHeight()); }
void Surface::setScaleWidth(float v) { setScale(scaleLeft(), scaleTop(), v, scaleHeight()); }
void Surface::setScaleHeight(float v) { setScale(scaleLeft(), scaleTop(), scaleWidth(), v); }

float Surface::scaleLeft() const { return m_userScale ? m_left : 0.0f; }
float Surface::scaleTop() const { return m_userScale ? m_top : 0.0f; }
float Surface::scaleWidth() const
{
    return m_userScale ? m_width : static_cast<float>(clientRect().width() * twipsPerPixel);
}
float Surface::scaleHeight() const
{
    return m_userScale ? m_height : static_cast<float>(clientRect().height() * twipsPerPixel);
}

const Surface::Mapping& Surface::mapping() const
{
    if (!m_mappingValid || m_mappingSize != size()) {
        m_mappingSize = size();
        const QRect c = clientRect();
        const double sw = scaleWidth(), sh = scaleHeight();
        m_mapping = {double(c.left()), double(c.top()), scaleLeft(), scaleTop(),
                     sw != 0.0 ? c.width() / sw : 0.0, sh != 0.0 ? c.height() / sh : 0.0};
        m_mappingValid = true;
    }
    return m_mapping;
}

QPointF Surface::toPixels(double x, double y) const
{
    const Mapping& m = mapping();
    return {m.px(x), m.py(y)};
}

QPointF Surface::toUser(QPointF pixel) const
{
    const QRect c = clientRect();
    const double cw = std::max(1, c.width()), ch = std::max(1, c.height());
    return {scaleLeft() + (pixel.x() - c.left()) * scaleWidth() / cw,
            scaleTop() + (pixel.y() - c.top()) * scaleHeight() / ch};
}

void Surface::scaleChanged()
{
    m_mappingValid = false;
    for (Shape* s : m_shapes)
        s->relayout();
    invalidate();
}

void Surface::invalidate(const QRect& r)
{
    if (r.isNull()) {
        m_wholeDirty = true;
        m_dirty.clear();
        m_requests = 0;
        update();
        return;
    }
    if (m_wholeDirty || std::ranges::any_of(m_dirty, [&r](const QRect& d) { return d.contains(r); }))
        return;
    // A curve across the plot asks for thousands of small areas: past a few
    // dozen, one repaint of everything costs far less than the requests.
    constexpr int manyRequests = 64;
    if (++m_requests > manyRequests) {
        invalidate();
        return;
    }
    // A short memory: a pointer drawing to and fro asks for the same few
    // areas again and again.
    constexpr std::size_t remembered = 16;
    if (m_dirty.size() == remembered)
        m_dirty.erase(m_dirty.begin());
    m_dirty.push_back(r);
    update(r);
}

void Surface::resizeEvent(QResizeEvent*)
{
    m_mappingValid = false;
    for (Shape* s : m_shapes)
        s->relayout();
}

// ---- drawing -------------------------------------------------------------------

void Surface::setAutoRedraw(bool persistent) { m_persistent = persistent; }

void Surface::cls()
{
    if (m_persistent)
        m_persistentLayer.clear();
    m_overlay.clear();
    m_overlayLimit = 0;
    m_currentX = 0.0;
    m_currentY = 0.0;
    invalidate();
}

void Surface::refresh()
{
    m_overlay.clear();
    m_overlayLimit = 0;
    invalidate();
}

void Surface::setForeColor(QColor c) { m_foreColor = c.rgb(); }

void Surface::setBackColor(QColor c)
{
    m_backColor = c.rgb();
    invalidate();
}

void Surface::add(Primitive p)
{
    if (m_persistent)
        m_persistentLayer.push_back(p);
    else
        addToOverlay(p);
    if (m_wholeDirty)
        return;  // the whole surface is to be painted already
    // Only the pixels the primitive may touch need painting again.
    const Mapping& m = mapping();
    const double ax = m.px(p.x1), ay = m.py(p.y1), bx = m.px(p.x2), by = m.py(p.y2);
    const QRect c = clientRect();
    if (!(std::isfinite(ax) && std::isfinite(ay) && std::isfinite(bx) && std::isfinite(by))) {
        invalidate(c);
        return;
    }
    const double l = std::clamp(std::min(ax, bx), c.left() - 1.0, c.right() + 1.0);
    const double r = std::clamp(std::max(ax, bx), c.left() - 1.0, c.right() + 1.0);
    const double t = std::clamp(std::min(ay, by), c.top() - 1.0, c.bottom() + 1.0);
    const double b = std::clamp(std::max(ay, by), c.top() - 1.0, c.bottom() + 1.0);
    invalidate(QRect(QPoint(pixelOf(l) - 1, pixelOf(t) - 1), QPoint(pixelOf(r) + 1, pixelOf(b) + 1)).intersected(c));
}

// Drawing the same things again and again over one spot (a pointer going to
// and fro) must not make the overlay grow: what a new primitive hides for
// good is dropped. An opaque box hides everything lying wholly inside it,
// and a line or point hides an identical one drawn before it, whichever
// way round its ends are given (both are painted alike, see paintEvent):
// it paints the same pixels in the same colour over whatever came between.
// Recent copies are dropped at once; older ones when the overlay has grown
// to twice its size after the last compaction, so that the work stays in
// proportion to what is drawn.
namespace {

bool sameLine(const Surface::Primitive& p, const Surface::Primitive& q)
{
    return p.kind == q.kind && p.color == q.color
        && ((p.x1 == q.x1 && p.y1 == q.y1 && p.x2 == q.x2 && p.y2 == q.y2)
            || (p.x1 == q.x2 && p.y1 == q.y2 && p.x2 == q.x1 && p.y2 == q.y1));
}

// What a line or point paints: its colour and its ends, in pixels when it
// lies within the painted area (painted as whole pixels, see paintEvent),
// in user units otherwise, the smaller end first.
struct Footprint {
    int kind;
    QRgb color;
    double a, b, c, d;
    bool operator==(const Footprint&) const = default;
};

struct FootprintHash {
    std::size_t operator()(const Footprint& f) const
    {
        std::size_t h = std::hash<int>()(f.kind) ^ (std::size_t(f.color) << 3);
        for (double v : {f.a, f.b, f.c, f.d})
            h = h * 1000003u ^ std::hash<double>()(v);
        return h;
    }
};

}  // namespace

void Surface::addToOverlay(const Primitive& p)
{
    if (p.kind == Primitive::Kind::Box) {
        const double l = std::min(p.x1, p.x2), r = std::max(p.x1, p.x2);
        const double t = std::min(p.y1, p.y2), b = std::max(p.y1, p.y2);
        auto inside = [&](double x, double y) { return x >= l && x <= r && y >= t && y <= b; };
        std::erase_if(m_overlay, [&](const Primitive& q) { return inside(q.x1, q.y1) && inside(q.x2, q.y2); });
    } else {
        constexpr std::size_t recent = 64;
        const std::size_t n = m_overlay.size();
        for (std::size_t i = n; i > n - std::min(n, recent); --i) {
            if (sameLine(m_overlay[i - 1], p)) {
                m_overlay.erase(m_overlay.begin() + static_cast<std::ptrdiff_t>(i - 1));
                break;
            }
        }
    }
    m_overlay.push_back(p);
    if (m_overlay.size() > std::max(m_overlayLimit, minOverlayLimit))
        compactOverlay();
}

// Keeps the last of the lines and points that paint the same pixels. A
// pointer going to and fro at changing heights leaves lines that differ in
// user units but fall on the same pixels: only the last of them shows.
void Surface::compactOverlay()
{
    const Mapping& m = mapping();
    const QRect c = clientRect();
    const auto footprint = [&](const Primitive& q) {
        double ax = m.px(q.x1), ay = m.py(q.y1), bx = m.px(q.x2), by = m.py(q.y2);
        const bool inPixels = std::min({ax, bx}) >= c.left() && std::max({ax, bx}) < c.right() + 1
            && std::min({ay, by}) >= c.top() && std::max({ay, by}) < c.bottom() + 1;
        if (inPixels) {
            ax = pixelOf(ax), ay = pixelOf(ay), bx = pixelOf(bx), by = pixelOf(by);
        } else {
            ax = q.x1, ay = q.y1, bx = q.x2, by = q.y2;
        }
        if (std::tie(ax, ay) > std::tie(bx, by)) {
            std::swap(ax, bx);
            std::swap(ay, by);
        }
        return Footprint{int(q.kind) * 2 + inPixels, q.color, ax, ay, bx, by};
    };
    std::unordered_set<Footprint, FootprintHash> later;
    later.reserve(m_overlay.size());
    std::vector<Primitive> kept;
    kept.reserve(m_overlay.size());
    for (auto q = m_overlay.rbegin(); q != m_overlay.rend(); ++q)
        if (q->kind == Primitive::Kind::Box || later.insert(footprint(*q)).second)
            kept.push_back(*q);
    m_overlay.assign(kept.rbegin(), kept.rend());
    m_overlayLimit = 2 * m_overlay.size();
}

void Surface::line(double x1, double y1, double x2, double y2, std::optional<QColor> color)
{
    add({Primitive::Kind::Line, x1, y1, x2, y2, color ? color->rgb() : m_foreColor});
    m_currentX = x2;
    m_currentY = y2;
}

void Surface::lineTo(double x, double y, std::optional<QColor> color)
{
    line(m_currentX, m_currentY, x, y, color);
}

void Surface::pset(double x, double y, std::optional<QColor> color)
{
    add({Primitive::Kind::Point, x, y, x, y, color ? color->rgb() : m_foreColor});
    m_currentX = x;
    m_currentY = y;
}

void Surface::box(double x1, double y1, double x2, double y2, QColor color)
{
    add({Primitive::Kind::Box, x1, y1, x2, y2, color.rgb()});
    m_currentX = x2;
    m_currentY = y2;
}

void Surface::paintEvent(QPaintEvent* event)
{
    m_wholeDirty = false;
    m_dirty.clear();
    m_requests = 0;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, false);

    // The device pixel ratio, from the engine's device: while render()
    // redirects the painting, the painter's own device is the widget, not
    // the picture painted into.
    const bool scaled = p.paintEngine()->paintDevice()->devicePixelRatioF() != 1.0;

    // Sunken border, two pixels wide all round the client area. When scaled,
    // each side is a filled row or column, whole device pixels at any ratio.
    const QRect r = rect();
    auto side = [&p, scaled](int x1, int y1, int x2, int y2, const QColor& c) {
        if (scaled) {
            p.fillRect(QRect(QPoint(x1, y1), QPoint(x2, y2)), c);
        } else {
            p.setPen(c);
            p.drawLine(x1, y1, x2, y2);
        }
    };
    const QColor mid = palette().color(QPalette::Mid), light = palette().color(QPalette::Light);
    const QColor dark = palette().color(QPalette::Dark), button = palette().color(QPalette::Button);
    side(r.left(), r.top(), r.right(), r.top(), mid);
    side(r.left(), r.top(), r.left(), r.bottom(), mid);
    side(r.left(), r.bottom(), r.right(), r.bottom(), light);
    side(r.right(), r.top(), r.right(), r.bottom(), light);
    side(r.left() + 1, r.top() + 1, r.right() - 1, r.top() + 1, dark);
    side(r.left() + 1, r.top() + 1, r.left() + 1, r.bottom() - 1, dark);
    side(r.left() + 1, r.bottom() - 1, r.right() - 1, r.bottom() - 1, button);
    side(r.right() - 1, r.top() + 1, r.right() - 1, r.bottom() - 1, button);

    const QRect c = clientRect();
    if (c.isEmpty())
        return;
    p.fillRect(c, QColor(m_backColor));
    p.setClipRect(c);

    const double x0 = c.left() - clipMargin, y0 = c.top() - clipMargin;
    const double x1 = c.right() + 1 + clipMargin, y1 = c.bottom() + 1 + clipMargin;

    // Consecutive primitives of one kind and colour are drawn as one batch.
    QVector<QLine> lines;
    QVector<QPoint> points;
    QRgb batchColor = 0;
    // Lines and points are one pixel wide in device-independent pixels: on a
    // screen scaled 200 % a square pen one unit wide through the pixels'
    // centres covers exactly 2 x 2 device pixels per pixel, without smoothing.
    auto flush = [&] {
        if (lines.isEmpty() && points.isEmpty())
            return;
        if (scaled) {
            p.setPen(QPen(QColor(batchColor), 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
            p.translate(0.5, 0.5);
        } else {
            p.setPen(QPen(QColor(batchColor), 0));
        }
        if (!lines.isEmpty())
            p.drawLines(lines);
        if (!points.isEmpty())
            p.drawPoints(points);
        if (scaled)
            p.translate(-0.5, -0.5);
        lines.clear();
        points.clear();
    };

    // The painted area in user units, for coordinates whose pixels overflow.
    const QRectF userBounds = QRectF(toUser({x0, y0}), toUser({x1, y1})).normalized();
    const bool userBoundsFinite = finite(userBounds.topLeft()) && finite(userBounds.bottomRight());

    // Primitives wholly outside the repainted area are skipped.
    const QRect e = event->rect();
    const double ex0 = e.left() - 1.0, ey0 = e.top() - 1.0, ex1 = e.right() + 2.0, ey1 = e.bottom() + 2.0;
    const Mapping& m = mapping();

    auto paintLayer = [&](const std::vector<Primitive>& layer) {
        for (const Primitive& prim : layer) {
            QPointF a(m.px(prim.x1), m.py(prim.y1));
            QPointF b(m.px(prim.x2), m.py(prim.y2));
            if (std::max(a.x(), b.x()) < ex0 || std::min(a.x(), b.x()) > ex1 || std::max(a.y(), b.y()) < ey0
                || std::min(a.y(), b.y()) > ey1)
                continue;  // (false for NaN: those go on to the checks below)
            if (prim.color != batchColor) {
                flush();
                batchColor = prim.color;
            }
            if (prim.kind != Primitive::Kind::Point && !(finite(a) && finite(b)) && userBoundsFinite
                && finite(QPointF(prim.x1, prim.y1)) && finite(QPointF(prim.x2, prim.y2))) {
                // Finite user coordinates too large for pixels: bring them
                // within the painted area first.
                double ux1 = prim.x1, uy1 = prim.y1, ux2 = prim.x2, uy2 = prim.y2;
                if (prim.kind == Primitive::Kind::Box) {
                    for (double* v : {&ux1, &ux2})
                        *v = std::clamp(*v, userBounds.left(), userBounds.right());
                    for (double* v : {&uy1, &uy2})
                        *v = std::clamp(*v, userBounds.top(), userBounds.bottom());
                } else if (!clipSegment(ux1, uy1, ux2, uy2, userBounds.left(), userBounds.top(),
                                        userBounds.right(), userBounds.bottom())) {
                    continue;
                }
                a = toPixels(ux1, uy1);
                b = toPixels(ux2, uy2);
            }
            double ax = a.x(), ay = a.y(), bx = b.x(), by = b.y();
            switch (prim.kind) {
            case Primitive::Kind::Point:
                if (std::isfinite(ax) && std::isfinite(ay) && ax >= x0 && ax <= x1 && ay >= y0 && ay <= y1)
                    points.append(QPoint(pixelOf(ax), pixelOf(ay)));
                break;
            case Primitive::Kind::Line: {
                if (!(ax >= x0 && ax <= x1 && bx >= x0 && bx <= x1 && ay >= y0 && ay <= y1 && by >= y0 && by <= y1)
                    && !clipSegment(ax, ay, bx, by, x0, y0, x1, y1))
                    break;
                // Dense curves put many segments on the same pixels: a
                // segment equal to the one just before it is drawn once.
                // Whole pixels, the smaller end first, so that a line drawn
                // back over itself lights the same pixels.
                QPoint from(pixelOf(ax), pixelOf(ay)), to(pixelOf(bx), pixelOf(by));
                if (std::pair(from.x(), from.y()) > std::pair(to.x(), to.y()))
                    std::swap(from, to);
                if (from == to) {
                    if (points.isEmpty() || points.constLast() != from)
                        points.append(from);
                } else {
                    const QLine l(from, to);
                    if (lines.isEmpty() || lines.constLast() != l)
                        lines.append(l);
                }
                break;
            }
            case Primitive::Kind::Box: {
                if (!std::isfinite(ax) || !std::isfinite(ay) || !std::isfinite(bx) || !std::isfinite(by))
                    break;
                flush();
                const double l = std::clamp(std::min(ax, bx), x0, x1), rr = std::clamp(std::max(ax, bx), x0, x1);
                const double t = std::clamp(std::min(ay, by), y0, y1), bb = std::clamp(std::max(ay, by), y0, y1);
                p.fillRect(QRect(QPoint(pixelOf(l), pixelOf(t)), QPoint(pixelOf(rr), pixelOf(bb))),
                           QColor(prim.color));
                break;
            }
            }
        }
    };
    paintLayer(m_persistentLayer);
    paintLayer(m_overlay);
    flush();
}

// ---- mouse -------------------------------------------------------------------

void Surface::dispatch(const MouseHandler& h, int button, QMouseEvent* e)
{
    if (!h)
        return;
    const QPointF u = toUser(e->position());
    h(button, shiftBits(e->modifiers()), static_cast<float>(u.x()), static_cast<float>(u.y()));
}

void Surface::mousePressEvent(QMouseEvent* e)
{
    dispatch(onMouseDown, mouseButtonBit(e->button()), e);
}

void Surface::mouseMoveEvent(QMouseEvent* e)
{
    dispatch(onMouseMove, mouseButtonBits(e->buttons()), e);
}

void Surface::mouseReleaseEvent(QMouseEvent* e)
{
    dispatch(onMouseUp, mouseButtonBit(e->button()), e);
}

// ---- shapes -------------------------------------------------------------------

void Surface::addShape(Shape* s)
{
    m_shapes.push_back(s);
}

void Surface::removeShape(Shape* s)
{
    m_shapes.erase(std::remove(m_shapes.begin(), m_shapes.end(), s), m_shapes.end());
}

Shape::Shape(Kind kind, Surface* parent) : QWidget(parent), m_kind(kind)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    parent->addShape(this);
    relayout();
}

Shape::~Shape()
{
    if (auto* s = dynamic_cast<Surface*>(parentWidget()))
        s->removeShape(this);
}

void Shape::setUserLeft(float v) { m_left = v; relayout(); }
void Shape::setUserTop(float v) { m_top = v; relayout(); }
void Shape::setUserWidth(float v) { m_width = v; relayout(); }
void Shape::setUserHeight(float v) { m_height = v; relayout(); }

void Shape::setColor(QColor c)
{
    m_color = c;
    update();
}

void Shape::relayout()
{
    auto* s = static_cast<Surface*>(parentWidget());
    const QRect c = s->clientRect();
    const QRectF bounds(c.left() - clipMargin, c.top() - clipMargin, c.width() + 2 * clipMargin,
                        c.height() + 2 * clipMargin);
    QRect g;
    if (m_kind == Kind::VerticalLine) {
        const double x = s->toPixels(m_left, 0).x();
        if (std::isfinite(x) && x >= bounds.left() && x <= bounds.right())
            g = QRect(pixelOf(x), c.top(), 1, c.height());
    } else {
        const QPointF a = s->toPixels(m_left, m_top);
        const QPointF b = s->toPixels(double(m_left) + m_width, double(m_top) + m_height);
        if (std::isfinite(a.x()) && std::isfinite(a.y()) && std::isfinite(b.x()) && std::isfinite(b.y())) {
            const double l = std::clamp(std::min(a.x(), b.x()), bounds.left(), bounds.right());
            const double r = std::clamp(std::max(a.x(), b.x()), bounds.left(), bounds.right());
            const double t = std::clamp(std::min(a.y(), b.y()), bounds.top(), bounds.bottom());
            const double bt = std::clamp(std::max(a.y(), b.y()), bounds.top(), bounds.bottom());
            g = QRect(QPoint(pixelOf(l), pixelOf(t)), QPoint(pixelOf(r) - 1, pixelOf(bt) - 1));
        }
    }
    g = g.intersected(c);
    if (g.isEmpty())
        g = QRect(c.left(), c.top(), 0, 0);
    setGeometry(g);
}

void Shape::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), m_color);
}
