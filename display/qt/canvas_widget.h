// The widget that shows the retained canvas and passes the player's input on.
//
// It owns the RetainedCanvas and never draws anything of its own: a paint event
// copies the image. The canvas's image always has the widget's size in device
// pixels. The client area of the game keeps its proportions: it is enlarged to
// fit the widget (the enlargement the player chose gives the widget its natural
// size; a window resized or maximised by hand fits the client area into what
// it got) and centred, the rest showing the background. The widget is never
// smaller than the client area at 100%. A change of size or of the screen's
// device pixel ratio (the window moved to another screen) draws everything
// again at the new resolution.
//
// Mouse presses become (button, x, y) with button 1 for the left and 2 for the
// right button and the position in twips of the device pixel under the
// pointer; other buttons are ignored. The pointer's moves over the widget,
// with or without a button held, become (x, y) in twips the same way. While
// the canvas itself has the focus, the keys of the keyboard cursor (arrows,
// Tab, Enter, Space, Shift+Enter, Escape) are passed on as Key; Tab moves
// the focus on as usual while a control of the record panel is shown. The
// cursor's mark is painted over the image.
#pragma once

#include <functional>

#include <QWidget>

#include "display/qt/board_accessible.h"
#include "display/qt/retained_canvas.h"
#include "keyboard/keyboard_cursor.h"

namespace zelkora {

class CanvasWidget : public QWidget {
    Q_OBJECT
public:
    CanvasWidget(double widthTwips, double heightTwips, TwipsScale scale, QWidget* parent = nullptr);

    RetainedCanvas& canvas() { return canvas_; }
    const TwipsScale& scale() const { return canvas_.scale(); }

    // Sets the client area to a size in twips.
    void setSizeTwips(double widthTwips, double heightTwips);
    // The enlargement (1 for 100%) that sets the widget's natural size.
    void setEnlargement(double zoom);
    double enlargement() const { return enlargement_; }
    // The size of the client area at the enlargement, in logical pixels.
    QSize naturalSize() const;
    QSize sizeHint() const override { return naturalSize(); }
    // The client area at 100% in logical pixels.
    QSize referenceSize() const;

    // Fits the client area into the widget at the screen's current ratio.
    void updateScale();

    std::function<void(int button, double x, double y)> onMouseDown;
    std::function<void(double x, double y)> onMouseMove;
    std::function<void()> onEscape;
    // A key of the cursor; Escape goes to onEscape when this is unset.
    std::function<void(Key)> onKey;
    // What a screen reader reads (display/qt/board_accessible.h): the cells'
    // names, the cell of the keyboard cursor and the last announcement.
    void setReading(BoardReading reading) { reading_ = std::move(reading); }
    const BoardReading& reading() const { return reading_; }
    void setCursorCell(int c, int r) { cursor_ = {c, r}; }
    std::pair<int, int> cursorCell() const { return cursor_; }
    void setStatusText(const QString& text) { status_ = text; }
    const QString& statusText() const { return status_; }

    // Told after the scale changed (size, enlargement or screen).
    std::function<void(const TwipsScale&)> onScaleChanged;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // A control of the record panel (a child of the canvas that takes the focus) is on screen.
    bool panelShown() const;

    RetainedCanvas canvas_;
    double enlargement_ = 1;
    BoardReading reading_;
    std::pair<int, int> cursor_{0, 0};
    QString status_;
};

}  // namespace zelkora
