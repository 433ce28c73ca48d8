// The about box: the program's picture and a close button. It is created at
// start-up, shown without being modal and only ever hidden; its picture is
// drawn when it is first shown.
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

class Tabout : public QWidget {
    Q_OBJECT
public:
    explicit Tabout(QWidget *parent = nullptr);

    QLabel *Image1 = nullptr;
    QPushButton *BitBtn1 = nullptr;

    void BitBtn1Click();

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    // Escape closes the box, as it closes any dialog.
    void keyPressEvent(QKeyEvent *event) override;
};
