// A panel with an outer and an inner bevel and an optional caption, which reports clicks.
#pragma once

#include <QFrame>

namespace ui {

class BevelPanel : public QFrame {
    Q_OBJECT
public:
    enum class Bevel { none, raised, lowered };

    explicit BevelPanel(QWidget *parent = nullptr);

    void setBevels(Bevel outer, Bevel inner, int width = 1);
    void setCaption(const QString &caption, Qt::Alignment alignment = Qt::AlignCenter);
    QString caption() const { return m_caption; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    Bevel m_outer = Bevel::raised;
    Bevel m_inner = Bevel::none;
    int m_width = 1;
    QString m_caption;
    Qt::Alignment m_alignment = Qt::AlignCenter;
};

} // namespace ui
