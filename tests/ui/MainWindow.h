#pragma once

// What the window tests share: a main window shown offscreen, a user's clicks and keys, message
// boxes answered as a user would, and the chart's pixels read where the chart maps (β, θ).

#include "window/Application.h"
#include "window/Form1.h"
#include "window/PictureBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

// Answers every message box as a user would: reads it, then clicks OK. `whileShown` runs while
// the box is still open, to look at the window behind it.
class MessageBoxes : public QObject {
public:
    MessageBoxes()
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            texts << box->text();
            titles << box->windowTitle();
            const QFontInfo font(box->findChild<QLabel*>("qt_msgbox_label")->font());
            fonts.push_back({font.family(), font.fixedPitch()});
            QCOMPARE(box->buttons().size(), 1);
            QCOMPARE(box->icon(), QMessageBox::NoIcon);
            if (whileShown)
                whileShown();
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        });
        m_timer.start(5);
    }

    QStringList texts;
    QStringList titles;
    std::vector<std::pair<QString, bool>> fonts; // the face of each text, and if fixed-pitch
    std::function<void()> whileShown;

private:
    QTimer m_timer;
};

// What the platform holds of a top-level window: its backing store as last repainted and
// flushed, once the repaints that are due have run. Unlike QWidget::grab(), which paints the
// widget afresh, this shows what a repaint that never happened left on the screen.
inline QImage OnScreen(QWidget* window)
{
    QCoreApplication::processEvents();
    return window->screen()
        ->grabWindow(window->winId())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

// The chart's pixels: either the image the chart draws on, or what the picture area shows on
// screen, where the image sits inside the sunken border.
struct ChartPixels {
    QImage image;
    QPoint origin; // device pixels of the image's (or contents') top-left corner
    QSizeF area;   // logical size of the chart's drawable area

    static ChartPixels Drawn(PictureBox* picture)
    {
        const QImage& image = picture->Surface().Image();
        return {image, {}, image.deviceIndependentSize()};
    }
    static ChartPixels OnScreen(PictureBox* picture)
    {
        const QImage shown = ::OnScreen(picture->window());
        const QRect contents =
            picture->contentsRect().translated(picture->mapTo(picture->window(), QPoint()));
        return {shown, contents.topLeft() * shown.devicePixelRatio(), contents.size()};
    }

    // Whether `colour` is at (β, θ), give or take a pixel of rasterisation.
    bool ColourNear(double beta, double teta, QColor colour) const
    {
        // The chart maps β from −10 to 100 across and θ from 35 down to −5.
        const int x = origin.x() + int((beta + 10) * area.width() / 110 * image.devicePixelRatio());
        const int y = origin.y() + int((35 - teta) * area.height() / 40 * image.devicePixelRatio());
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                if (image.valid(x + dx, y + dy) && image.pixelColor(x + dx, y + dy) == colour)
                    return true;
            }
        }
        return false;
    }

    bool HasRedInRow(double teta) const
    {
        for (double beta = 0.5; beta < 95; beta += 0.25) {
            if (ColourNear(beta, teta, Qt::red))
                return true;
        }
        return false;
    }
};

inline bool ColourNear(PictureBox* picture, double beta, double teta, QColor colour)
{
    return ChartPixels::Drawn(picture).ColourNear(beta, teta, colour);
}

inline bool HasRedInRow(PictureBox* picture, double teta)
{
    return ChartPixels::Drawn(picture).HasRedInRow(teta);
}

// The base of the window tests: a main window, shown afresh for each test with its message
// boxes answered, and what a user does to it.
class MainWindowTest : public QObject {
protected:
    void Open()
    {
        m_window = std::make_unique<Form1>();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        m_messages = std::make_unique<MessageBoxes>();
    }
    void Close()
    {
        m_messages.reset();
        m_window.reset();
    }
    // A window made anew, not shown, for a test that changes what windows are made with.
    void Reopen() { m_window = std::make_unique<Form1>(); }

    Form1* Window() { return m_window.get(); }
    MessageBoxes* Messages() { return m_messages.get(); }
    // For a test that answers the message boxes itself, a question with two buttons among them.
    void StopAnsweringMessages() { m_messages.reset(); }

    template <typename T>
    T* Control(const char* name)
    {
        T* control = m_window->findChild<T*>(name);
        if (!control)
            qFatal("no control %s", name);
        return control;
    }
    QLineEdit* Box(const char* name) { return Control<QLineEdit>(name); }
    void Click(const char* name)
    {
        QTest::mouseClick(Control<QAbstractButton>(name), Qt::LeftButton);
    }
    void Type(const char* box, const QString& text)
    {
        Box(box)->clear();
        QTest::keyClicks(Box(box), text);
    }
    PictureBox* Picture() { return Control<PictureBox>("Picture1"); }

private:
    std::unique_ptr<Form1> m_window;
    std::unique_ptr<MessageBoxes> m_messages;
};
