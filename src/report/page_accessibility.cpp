// An accessible document over the printed page's text.
#include "page_accessibility.h"

#include "page_output.h"
#include "page_surface.h"
#include "printed_page.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace report {

namespace {

// Reads only: the page has no caret and no selection of its own.
class PageDocument : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit PageDocument(PageSurface *surface)
        : QAccessibleWidget(surface, QAccessible::Document)
        , m_surface(surface)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return documentName();
        if (t == QAccessible::Value)
            return pageText();
        return QAccessibleWidget::text(t);
    }

    void selection(int, int *startOffset, int *endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override
    {
        return pageText().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(pageText().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = offset;
        return {};
    }

private:
    QString pageText() const { return m_surface->page().readingText(); }

    PageSurface *m_surface;
};

QAccessibleInterface *pageDocument(const QString &, QObject *object)
{
    auto *surface = qobject_cast<PageSurface *>(object);
    return surface ? new PageDocument(surface) : nullptr;
}

} // namespace

void installPageAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(pageDocument);
        return true;
    }();
    (void)installed;
}

} // namespace report
