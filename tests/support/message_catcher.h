// Answers the program's modal message boxes during a test and remembers what
// they said.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTimer>

class MessageCatcher : public QObject {
public:
    MessageCatcher()
    {
        connect(&m_timer, &QTimer::timeout, this, &MessageCatcher::poll);
        m_timer.start(5);
    }

    // Texts of the boxes answered so far, in order.
    QStringList texts;
    // Their object names: "message" or "errorReport".
    QStringList kinds;
    // Where they stood on the screen, frame included.
    QList<QRect> geometries;

    void clear()
    {
        texts.clear();
        kinds.clear();
        geometries.clear();
    }

private:
    void poll()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        texts << box->text();
        kinds << box->objectName();
        geometries << box->frameGeometry();
        box->button(QMessageBox::Ok)->click();
    }

    QTimer m_timer;
};
