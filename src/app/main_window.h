// The main window: the service's picture, the start and exit buttons, and the
// usage counter panel called up with F9.
#pragma once

#include <QWidget>

class QAction;
class QLabel;
class QMenu;
class QPushButton;
namespace ui { class BevelPanel; }

class TFmain : public QWidget {
    Q_OBJECT
public:
    // `aboutBox` is shown by the wizard's "&About" item.
    explicit TFmain(QWidget *aboutBox = nullptr, QWidget *parent = nullptr);

    QLabel *Image1;
    QPushButton *BitBtn2;
    QPushButton *exitbutton;
    QMenu *PopupMenu1;
    QAction *N1;
    QAction *N2;
    ui::BevelPanel *Panel1;
    ui::BevelPanel *Panel2;
    ui::BevelPanel *Panel3;
    ui::BevelPanel *Panel4;
    QLabel *Label1;
    QLabel *Lcount;
    QLabel *Label2;
    QLabel *Label3;
    QLabel *Label4;
    QPushButton *Button1;

    void BitBtn2Click();
    void exitbuttonClick();
    void N1Click();
    void N2Click();
    void Panel1Click();
    void Button1Click();

signals:
    // The window was closed: the program ends.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildCounterPanel();
    void setCounterShown(bool shown);

    QWidget *m_aboutBox;
};
