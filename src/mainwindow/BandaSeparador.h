#pragma once

#include <QWidget>

// The splitter strip between the tree and the right-hand panes: it only
// reports the mouse (x in its own pixels); the window moves the drag bar and
// lays the panes out.
class BandaSeparador : public QWidget {
    Q_OBJECT

public:
    explicit BandaSeparador(QWidget* parent = nullptr);

signals:
    void MouseDown(int x);
    void MouseMove(int x);
    void MouseUp(int x);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};
