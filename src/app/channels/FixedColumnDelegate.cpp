#include "channels/FixedColumnDelegate.h"

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
    header.rect = option.rect;
    header.orientation = Qt::Vertical;
    header.section = index.row();
    header.position = QStyleOptionHeader::Middle;
    header.text = index.data(Qt::DisplayRole).toString();
    header.textAlignment = Qt::AlignCenter;
    painter->save();
    painter->setFont(option.font);
    style->drawControl(QStyle::CE_Header, &header, painter, widget);
    painter->restore();
}

} // namespace q716
