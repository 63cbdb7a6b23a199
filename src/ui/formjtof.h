#pragma once

class QWidget;

namespace vm280 {

/// Converts, in place, the texts of the window's controls from Simplified to Traditional
/// Chinese (StringJtoF): labels, option buttons, menus and their items, group boxes, push
/// buttons, check boxes, the toolbar's own tool tip (not its buttons), every combo box entry
/// (not the edit text) and the header row of grids. The window's own title is left alone.
/// Texts already Traditional come back unchanged, so converting twice does no harm.
void FormJtoF(QWidget *window);

} // namespace vm280
