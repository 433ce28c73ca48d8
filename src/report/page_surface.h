// The printed page on screen, at full size. To assistive technology it is a
// document whose text is the page's, read line by line.
#pragma once

#include <QWidget>

namespace report {

class PrintedPage;

class PageSurface : public QWidget {
    Q_OBJECT
public:
    PageSurface(const PrintedPage &page, QWidget *parent);

    const PrintedPage &page() const { return m_page; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const PrintedPage &m_page;
};

} // namespace report
