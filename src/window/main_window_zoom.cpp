// The window on the screen: opened to fit it, or as it was left, and the whole
// form scaled to fill the window by one zoom.

#include "main_window.h"

#include "browser_host.h"
#include "picture_widget.h"

#include <QApplication>
#include <QScreen>
#include <QSettings>
#include <QTabBar>
#include <QTreeWidget>

namespace {

const QString geometryKey = QStringLiteral("window/geometry");

// The room a window system's frame and title bar take round the window, which
// is not known before the window is first shown.
const QSize frameAllowance(16, 48);

} // namespace

void MainWindow::placeOnScreen()
{
    const Rect& form = windowModel.form.Form1.rect;
    setMinimumSize(Zoom(Zoom::smallest).toPixels(form).size());
    if (!settingsPath.isEmpty()) {
        const QSettings settings(settingsPath, QSettings::IniFormat);
        // Qt moves a window remembered on a screen that is gone onto this one.
        if (restoreGeometry(settings.value(geometryKey).toByteArray()))
            return;
    }
    // The form at its own size, or smaller where the screen is smaller.
    const QRect available = screen()->availableGeometry();
    const Zoom fitted = zoomFitting(available.size() - frameAllowance);
    resize((fitted.factor() < 1 ? fitted : Zoom()).toPixels(form).size());
    move(available.left() + std::max(0, (available.width() - width() - frameAllowance.width()) / 2),
         available.top() + std::max(0, (available.height() - height() - frameAllowance.height()) / 2));
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!settingsPath.isEmpty()) {
        QSettings settings(settingsPath, QSettings::IniFormat);
        settings.setValue(geometryKey, saveGeometry());
    }
    QWidget::closeEvent(event);
}

Zoom MainWindow::zoomFitting(QSize room) const
{
    return Zoom::fitting(room, Zoom().toPixels(windowModel.form.Form1.rect).size());
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    applyZoom(zoomFitting(size()));
}

void MainWindow::applyZoom(Zoom zoom)
{
    if (zoom != currentZoom) {
        currentZoom = zoom;
        zoomedFonts.clear();
        setStyleSheet(zoom.styleSheet(styleSheetAtOne));
        for (const auto& [widget, font] : formFonts)
            widget->setFont(zoomedFont(font));
        for (const auto& [widget, rect] : placedWidgets)
            widget->setGeometry(zoom.toPixels(rect));
        tree->setIndentation(zoom.toPixels(treeIndentation));
        placeTabBar();
        if (browser)
            browser->setZoom(zoom.factor());
        const bool hadSharperDrawings = sharperDrawings.has_value();
        if (const Drawings& sharp = drawingsForZoom(); &sharp != &drawings && !hadSharperDrawings)
            for (const auto& [control, view] : bindings)
                if (auto* picture = dynamic_cast<PictureWidget*>(view))
                    picture->setDrawing(sharp.forPicture(view->objectName()));
        render();
    }
    // The form keeps its shape: what the window has beyond it is margin round it.
    const QSize form = zoom.toPixels(windowModel.form.Form1.rect).size();
    canvas->setGeometry(QRect(QPoint((width() - form.width()) / 2, (height() - form.height()) / 2), form));
}

const Drawings& MainWindow::drawingsForZoom()
{
    // The drawings come in two sizes; the larger once a picture has more pixels than the smaller.
    if (devicePixelRatioF() * currentZoom.factor() <= 1 || qApp->devicePixelRatio() > 1)
        return drawings;
    if (!sharperDrawings)
        sharperDrawings.emplace(2);
    return *sharperDrawings;
}

void MainWindow::placeTabBar()
{
    // Along the top of the strip, as high as its captions need.
    const QRect strip = currentZoom.toPixels(windowModel.form.TabStrip1.rect);
    tabBar->setGeometry(strip.left(), strip.top(), strip.width(), tabBar->sizeHint().height());
}

void MainWindow::place(QWidget* widget, const Rect& rect)
{
    placedWidgets.emplace_back(widget, rect);
    widget->setGeometry(currentZoom.toPixels(rect));
}

void MainWindow::setFormFont(QWidget* widget, const QFont& font)
{
    formFonts.insert_or_assign(widget, font);
    widget->setFont(zoomedFont(font));
}

QFont MainWindow::zoomedFont(const QFont& font)
{
    auto zoomed = zoomedFonts.find(font.key());
    if (zoomed == zoomedFonts.end())
        zoomed = zoomedFonts.emplace(font.key(), currentZoom.font(font)).first;
    return zoomed->second;
}
