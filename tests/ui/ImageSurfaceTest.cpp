#include "drawing/ImageSurface.h"

#include <QRandomGenerator>
#include <QTest>

#include <functional>
#include <limits>
#include <memory>
#include <vector>

class ImageSurfaceTest : public QObject {
    Q_OBJECT

private:
    const QColor background{255, 255, 192};
    static constexpr Rgb red{255, 0, 0};

    // A 110 × 40 pixel area: one pixel per unit of the chart's scale.
    std::unique_ptr<ImageSurface> Chart(qreal devicePixelRatio = 1)
    {
        auto surface = std::make_unique<ImageSurface>(QSize(110, 40), devicePixelRatio, background);
        surface->SetScale(-10, -35, 100, 5);
        return surface;
    }

private slots:
    void LinesLandOnTheScaledPixels()
    {
        const auto chart = Chart();
        ImageSurface& surface = *chart;
        surface.DrawLine(0, 0, 95, 0, std::nullopt);
        surface.SetPoint(50, -20, red);
        surface.DrawLineTo(50, -30, red);
        QCOMPARE(surface.Image().pixelColor(60, 35), QColor(Qt::black));
        QCOMPARE(surface.Image().pixelColor(104, 35), QColor(Qt::black));
        QCOMPARE(surface.Image().pixelColor(60, 10), QColor(Qt::red));
        QCOMPARE(surface.Image().pixelColor(20, 20), background);
    }

    void ClearKeepsTheScale()
    {
        const auto chart = Chart();
        ImageSurface& surface = *chart;
        surface.DrawLine(0, 0, 95, 0, std::nullopt);
        surface.Clear();
        QCOMPARE(surface.Image().pixelColor(60, 35), background);
        surface.DrawLine(0, 0, 0, -34, std::nullopt);
        QCOMPARE(surface.Image().pixelColor(10, 20), QColor(Qt::black));
    }

    void CircleStaysRoundUnderUnequalScale()
    {
        ImageSurface surface(QSize(220, 40), 1, background); // x twice as fine as y
        surface.SetScale(-10, -35, 100, 5);
        surface.DrawCircle(50, -15, 5, red); // 10 pixels across the horizontal scale
        int left = 220, right = 0, top = 40, bottom = 0;
        for (int y = 0; y < 40; ++y) {
            for (int x = 0; x < 220; ++x) {
                if (surface.Image().pixelColor(x, y) == QColor(Qt::red)) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
            }
        }
        QCOMPARE(right - left, bottom - top);
        QVERIFY(std::abs((right - left) - 20) <= 1);
    }

    void FarAndInfiniteCoordinatesAreClipped()
    {
        const auto chart = Chart();
        ImageSurface& surface = *chart;
        const float huge = std::numeric_limits<float>::max();
        surface.DrawLine(-huge, -15, huge, -15, red);
        surface.DrawLine(50, std::numeric_limits<float>::infinity(), 50, -30, red);
        surface.DrawCircle(huge, huge, huge, red);
        QCOMPARE(surface.Image().pixelColor(5, 20), QColor(Qt::red));
        QCOMPARE(surface.Image().pixelColor(60, 10), QColor(Qt::red));
    }

    void HighDpiDrawsOnDevicePixels()
    {
        const auto chart = Chart(2);
        ImageSurface& surface = *chart;
        QCOMPARE(surface.Image().size(), QSize(220, 80));
        surface.DrawLine(0, 0, 95, 0, std::nullopt);
        QCOMPARE(surface.Image().pixelColor(120, 70), QColor(Qt::black));

        // A new ratio draws the drawing anew at it, shown whole, and no start kept at the old
        // ratio is taken for the next drawing.
        surface.Clear();
        surface.DrawLine(0, 0, 95, 0, std::nullopt);
        surface.DrawCircle(50, -15, 5, red); // the line is now kept as the start
        surface.Image();
        surface.TakeChangedArea();
        for (const qreal ratio : {1.0, 2.0}) {
            surface.SetDevicePixelRatio(ratio);
            QCOMPARE(surface.TakeChangedArea(), QRegion(0, 0, 110, 40));
            surface.Clear();
            surface.DrawLine(0, 0, 95, 0, std::nullopt);
            surface.SetPoint(20, -20, red);
            const auto fresh = Chart(ratio);
            fresh->DrawLine(0, 0, 95, 0, std::nullopt);
            fresh->SetPoint(20, -20, red);
            QCOMPARE(surface.Image(), fresh->Image());
        }
    }

    // The changed area counts from what was last taken, whatever was drawn since: a whole
    // drawing that was cleared before anyone took it, or a line added after a take.
    void ChangedAreaCountsFromWhatWasLastTaken()
    {
        for (const bool wholeDrawingMissed : {true, false}) {
            const auto chart = Chart();
            ImageSurface& surface = *chart;
            QImage shown;
            const auto show = [&] {
                const QRegion changed = surface.TakeChangedArea();
                const QImage& image = surface.Image();
                if (shown.isNull())
                    shown = QImage(image.size(), image.format());
                for (const QRect& rect : changed) {
                    for (int y = rect.top(); y <= rect.bottom(); ++y)
                        for (int x = rect.left(); x <= rect.right(); ++x)
                            shown.setPixel(x, y, image.pixel(x, y));
                }
            };
            surface.DrawLine(0, -10, 90, -10, red);
            show();
            if (wholeDrawingMissed) {
                surface.Clear();
                surface.DrawLine(0, -10, 90, -10, red);
            }
            surface.DrawLine(0, -20, 90, -20, red);
            surface.Clear();
            surface.DrawLine(0, -10, 90, -10, red);
            surface.DrawLine(0, -20, 90, -20, red);
            show();
            QCOMPARE(shown, surface.Image());
        }
    }

    // Drawings that share their first calls with earlier ones, in every way of sharing (a
    // polyline cut anywhere, a colour changed, calls added or left out, the image read midway),
    // look exactly as the same calls drawn on a fresh surface, and so does an image that takes
    // from each drawing only its changed area.
    void DrawingThatBeginsAsBeforeLooksAsDrawnAfresh()
    {
        struct Call {
            int kind;
            float x, y;
            bool red;
            bool read; // the image is read after the call
            bool take; // ... or its changed area taken and shown, as the window does
        };
        // Without a leading point, the first line goes on from where the drawing before ended.
        const auto draw = [](ImageSurface& surface, const std::vector<Call>& calls, bool point,
                             const std::function<void()>& show = {}) {
            surface.Clear();
            if (point)
                surface.SetPoint(-10, 5, std::nullopt);
            for (const Call& call : calls) {
                const Rgb colour = call.red ? red : Rgb{0, 0, 255};
                switch (call.kind) {
                case 0:
                    surface.DrawLineTo(call.x, call.y, colour);
                    break;
                case 1:
                    surface.SetPoint(call.x, call.y, std::nullopt);
                    break;
                case 2:
                    surface.DrawLine(call.y, call.x, call.x, call.y, colour);
                    break;
                default:
                    surface.DrawCircle(call.x, call.y, 2.5f, colour);
                    break;
                }
                // Reading the image ends a polyline where it is read: the take reads it too.
                if (call.take && show)
                    show();
                else if (call.read || call.take)
                    surface.Image();
            }
        };
        QRandomGenerator random(20240611);
        const auto randomCall = [&random] {
            const int kind = random.bounded(10);
            return Call{kind < 7 ? 0 : kind - 6,          float(random.bounded(-12.0) + 98),
                        float(-random.bounded(40.0) + 4), random.bounded(4) == 0,
                        random.bounded(40) == 0,          random.bounded(30) == 0};
        };
        int changes = 0;
        ImageSurface persistent(QSize(110, 40), 1, background, [&changes] { ++changes; });
        // Gets every drawing after a scale that changed and came back, so it takes no shape over.
        ImageSurface mirror(QSize(110, 40), 1, background);
        QImage shown(110, 40, QImage::Format_RGB32); // where only the changed area is copied to
        const auto copy = [&](const QRegion& changed) {
            for (const QRect& rect : changed) {
                for (int y = rect.top(); y <= rect.bottom(); ++y)
                    for (int x = rect.left(); x <= rect.right(); ++x)
                        shown.setPixel(x, y, persistent.Image().pixel(x, y));
            }
        };
        std::vector<Call> calls;
        std::vector<Call> before;
        bool point = true;
        float left = -10;
        for (int round = 0; round < 300; ++round) {
            before = calls;
            const bool pointBefore = point;
            const float leftBefore = left;
            point = round == 0 || random.bounded(4) != 0;
            left = random.bounded(5) == 0 ? -20 : -10; // now and then another scale
            // Keep a prefix of the last drawing, then change or add some calls.
            calls.resize(random.bounded(int(calls.size()) + 1));
            if (!calls.empty() && random.bounded(2) == 0)
                calls.back().red = !calls.back().red;
            if (!calls.empty() && random.bounded(3) == 0) {
                Call more = randomCall();
                more.kind = 0;
                more.red = calls.back().red; // a polyline that goes on where the last one ended
                calls.push_back(more);
            }
            for (int added = random.bounded(30); added > 0; --added)
                calls.push_back(randomCall());
            persistent.SetScale(left, -35, 100, 5);
            draw(persistent, calls, point, [&] {
                const QRegion changed = persistent.TakeChangedArea();
                persistent.Image();
                copy(changed);
            });
            mirror.SetScale(0, 0, 1, 1);
            mirror.SetScale(left, -35, 100, 5);
            draw(mirror, calls, point);
            // The window takes the changed area before it reads the image; a test may read first.
            const bool takenFirst = random.bounded(2) == 0;
            const QRegion changed = takenFirst ? persistent.TakeChangedArea() : QRegion();
            QCOMPARE(persistent.Image(), mirror.Image());
            if (point || pointBefore) { // where the drawing starts is known: draw it afresh too
                const auto fresh = Chart();
                fresh->SetScale(leftBefore, -35, 100, 5);
                draw(*fresh, before, pointBefore);
                fresh->SetScale(left, -35, 100, 5);
                draw(*fresh, calls, point);
                QCOMPARE(persistent.Image(), fresh->Image());
            }
            copy(takenFirst ? changed : persistent.TakeChangedArea());
            QCOMPARE(shown, mirror.Image());
        }
    }
};

QTEST_MAIN(ImageSurfaceTest)
#include "ImageSurfaceTest.moc"
