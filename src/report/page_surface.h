// The printed page on screen, at full size.
#pragma once

#include <QWidget>

namespace report {

class PrintedPage;

class PageSurface : public QWidget {
public:
    PageSurface(const PrintedPage &page, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const PrintedPage &m_page;
};

} // namespace report
