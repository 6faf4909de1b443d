#include "DictionaryGrid.h"

#include <QKeyEvent>

DictionaryGrid::DictionaryGrid(QWidget* parent) : QTableView(parent) {}

bool DictionaryGrid::event(QEvent* event)
{
    if (event->type() == QEvent::KeyPress && keyDown) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
            keyDown(Qt::Key_Tab);
    }
    return QTableView::event(event);
}

void DictionaryGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    // A Tab in a cell editor reaches the grid only as this hint.
    if (keyDown && (hint == QAbstractItemDelegate::EditNextItem || hint == QAbstractItemDelegate::EditPreviousItem))
        keyDown(Qt::Key_Tab);
    QTableView::closeEditor(editor, hint);
}
