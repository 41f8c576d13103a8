#pragma once

#include <QColor>
#include <QWidget>

class QLabel;

// A small panel with rounded corners, a black border and a centred caption.
// Its colour is a property the alarms read and flip.
class CurvyPanel : public QWidget
{
    Q_OBJECT
public:
    CurvyPanel(const QString &caption, const QString &captionName, QWidget *parent = nullptr);

    QColor color() const { return m_colour; }
    void setColor(const QColor &colour);
    QLabel *captionLabel() const { return m_caption; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QColor m_colour = Qt::white;
    QLabel *m_caption;
};
