#pragma once

#include <QSize>

class QWidget;

namespace vm280 {

/// The size to give a window that would like to be preferred: the preferred size, or as much of
/// it as the free area of the window's screen holds beside a title bar, never less than the
/// window's minimum. On a small or highly scaled screen no part of a window lies off screen.
QSize SizeOnScreen(const QWidget *window, QSize preferred);

/// Sizes a window about to be shown by SizeOnScreen: its size when it was given one (the size a
/// dialog is documented with), else its size hint.
void FitOnScreen(QWidget *window);

/// Lets every list in the widget ask for the width of its entries whenever they change, so that
/// a list shows its longest entry whole in every language.
void SizeListsToTexts(QWidget *widget);

} // namespace vm280
