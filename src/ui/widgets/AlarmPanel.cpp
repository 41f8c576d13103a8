#include "AlarmPanel.h"

#include "ui/look/StationFont.h"

#include <QLabel>
#include <QPainter>

AlarmPanel::AlarmPanel(const QString &caption, const QString &captionName, QWidget *parent)
    : QWidget(parent), m_caption(new QLabel(caption, this))
{
    m_caption->setObjectName(captionName);
    m_caption->setAlignment(Qt::AlignCenter);
    m_caption->setAttribute(Qt::WA_TranslucentBackground);
    m_caption->setTextFormat(Qt::PlainText);
    m_caption->setFont(station_font_px(13, true));
    QPalette palette = m_caption->palette();
    palette.setColor(QPalette::WindowText, Qt::blue);
    m_caption->setPalette(palette);
    setAccessibleName(caption);
}

void AlarmPanel::setColor(const QColor &colour)
{
    if (colour == m_colour)
        return;
    m_colour = colour;
    update();
}

void AlarmPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(m_colour);
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 7, 7);
}

void AlarmPanel::resizeEvent(QResizeEvent *)
{
    m_caption->setGeometry(rect());
}
