#include "dashboard/widgets/CardBody.h"

#include <QKeyEvent>
#include <QPainter>
#include <QSvgRenderer>

CardBody::CardBody(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

void CardBody::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: emit activated(); break;
    case Qt::Key_Delete: emit deleteRequested(); break;
    case Qt::Key_Left: emit stepRequested(-1, 0); break;
    case Qt::Key_Right: emit stepRequested(1, 0); break;
    case Qt::Key_Up: emit stepRequested(0, -1); break;
    case Qt::Key_Down: emit stepRequested(0, 1); break;
    default: QWidget::keyPressEvent(event); return;
    }
    event->accept();
}

void CardBody::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
}

void CardBody::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}

void CardBody::setPicture(const QSvgRenderer *picture)
{
    if (!picture || !picture->isValid() || picture == m_picture)
        return;
    m_picture = picture;
    m_drawn = QPixmap();
    update();
}

void CardBody::paintEvent(QPaintEvent *event)
{
    if (!m_picture)
        return;
    const qreal ratio = devicePixelRatioF();
    if (m_drawn.size() != size() * ratio) {
        m_drawn = QPixmap(size() * ratio);
        m_drawn.setDevicePixelRatio(ratio);
        m_drawn.fill(Qt::transparent);
        QPainter artist(&m_drawn);
        const_cast<QSvgRenderer *>(m_picture)->render(&artist, QRectF(QPointF(), size()));
    }
    QPainter painter(this);
    painter.drawPixmap(event->rect(), m_drawn, QRectF(QPointF(event->rect().topLeft()) * ratio, event->rect().size() * ratio));
    if (hasFocus()) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(0, 90, 200), 2, Qt::DashLine));
        painter.drawRoundedRect(QRectF(rect()).adjusted(3, 3, -3, -3), 8, 8);
    }
}

void CardBody::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMoved();
    event->accept();
}
