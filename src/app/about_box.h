// The about box: the program's picture and a close button. The window is
// created at start-up, shown without being modal and only ever hidden; what it
// holds is built when it is first shown.
#pragma once

#include <QWidget>

class PictureView;
class QPushButton;

class Tabout : public QWidget {
    Q_OBJECT
public:
    explicit Tabout(QWidget *parent = nullptr);

    // Null until the box is first shown.
    PictureView *Image1 = nullptr;
    QPushButton *BitBtn1 = nullptr;

    void BitBtn1Click();
    void setVisible(bool visible) override;

protected:
    void changeEvent(QEvent *event) override;
    // Escape closes the box, as it closes any dialog.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildContents();
};
