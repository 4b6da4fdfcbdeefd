#include "channels/FixedColumnDelegate.h"

#include "channels/RowSelection.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionHeader>

namespace q716 {

void FixedColumnDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    QStyleOptionHeader header;
    // The heading row's colours whatever the cell's own state: a fixed cell
    // is never current, selected or disabled-looking.
    if (widget)
        header.initFrom(widget);
    header.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver);
    header.state |= QStyle::State_Raised;
    const bool selected = selection_ && selection_->contains(index.row() + 1);
    header.rect = option.rect;
    header.orientation = Qt::Vertical;
    header.section = index.row();
    header.position = QStyleOptionHeader::Middle;
    header.text = index.data(Qt::DisplayRole).toString();
    header.textAlignment = Qt::AlignCenter;
    painter->save();
    QFont font = option.font;
    if (selected) {
        header.state |= QStyle::State_On | QStyle::State_Sunken;
        header.state &= ~QStyle::State_Raised;
        header.palette.setBrush(QPalette::Button, header.palette.highlight());
        header.palette.setBrush(QPalette::Window, header.palette.highlight());
        header.palette.setBrush(QPalette::ButtonText, header.palette.highlightedText());
        font.setBold(true);
    }
    painter->setFont(font);
    style->drawControl(QStyle::CE_Header, &header, painter, widget);
    if (selected) {
        QColor wash = header.palette.highlight().color();
        wash.setAlpha(110);
        painter->fillRect(option.rect, wash);
        painter->setPen(header.palette.highlightedText().color());
        painter->drawText(option.rect, Qt::AlignCenter, header.text);
    }
    painter->restore();
}

void SelectedRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    QStyledItemDelegate::paint(painter, option, index);
    if (!selection_ || !selection_->contains(index.row() + 1))
        return;
    QColor wash = option.palette.highlight().color();
    wash.setAlpha(70);
    painter->fillRect(option.rect, wash);
}

} // namespace q716
