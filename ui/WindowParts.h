// What the windows share: placing the auxiliary windows around the main window, the frames
// of the small windows, and the labels and OK buttons of their layouts. Every rectangle used
// for placing is a window's outer rectangle (frame included); halving truncates towards zero.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QPushButton;
class QDialog;
class QLabel;
class QWidget;

namespace tamsok {

// ---- Placing ---------------------------------------------------------------------------------

// Below the main window, at its left edge (the chat window).
void PlaceBelow(const QWidget& main, QWidget& window);
// Below the main window, `leftOffset` pixels right of its left edge (the history window sits
// right of the chat window: the offset is the chat window's outer width).
void PlaceBelowAt(const QWidget& main, QWidget& window, int leftOffset);
// Right of the main window, its top edge level with the main window's (the rules window, the
// review window).
void PlaceRightOf(const QWidget& main, QWidget& window);
// Centred over the main window (room status, about box, the two dialogs).
void CenterOver(const QWidget& main, QWidget& window);

// ---- Frames ----------------------------------------------------------------------------------

// Names and captions a window that lives as long as the main window and does not keep the
// program running on its own.
void SetUpWindow(QWidget& window, const char* name, const char* caption);
// A window with a fixed single border, the system menu and the minimise button only, whose
// client area is `client`.
void MakeFixedWindow(QWidget& window, QSize client);
// The same frame, but the window can be resized; it opens with the client area `client`.
void MakeSizeableWindow(QWidget& window, QSize client);
// Sizes a window so that its outer rectangle is `outer`. While the window's frame is not known
// (before it was first shown) the frame of a classic sizeable border is assumed: 4 pixels on
// each side and a 19-pixel caption.
void SetOuterSize(QWidget& window, QSize outer);

// ---- Controls --------------------------------------------------------------------------------

// Paints a control's text background silver, as the lists and memos of the windows are.
void SetSilverBase(QWidget& control);
// A label of its text's size with its top-left corner at `at`.
QLabel* MakeLabel(QWidget* parent, const char* name, const char* text, QPoint at);
// The dialog's "OK" button: the default button, and it closes the dialog.
QPushButton* MakeOkButton(QDialog& dialog, const char* name, QRect geometry);

}  // namespace tamsok
