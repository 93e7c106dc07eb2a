#pragma once
#include <QPixmap>
#include <QWidget>

class QSvgRenderer;

// A card body: its picture fills it, drawn at the card's size and the
// screen's pixel ratio so it stays sharp however large the card is; mouse
// moves over it are reported. It takes the keyboard focus, shows it with a
// frame, and reports Enter or Space (select), Delete and the arrow keys
// (to the card beside it).
class CardBody : public QWidget {
    Q_OBJECT
public:
    explicit CardBody(QWidget *parent = nullptr);
    // A picture that could not be read (null, or not valid) leaves the one before.
    void setPicture(const QSvgRenderer *picture);
    const QSvgRenderer *picture() const { return m_picture; }
signals:
    void mouseMoved();
    void activated();
    void deleteRequested();
    void stepRequested(int columns, int rows);
protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
private:
    const QSvgRenderer *m_picture = nullptr;
    QPixmap m_drawn;   // the picture at the card's size, drawn once: a counter repainted over it only copies
};
