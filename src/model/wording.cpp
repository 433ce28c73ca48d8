// The model's texts, translated and filled with their figures.
#include "wording.h"

namespace model {

namespace {

Translation g_translation = nullptr;

} // namespace

void setTranslation(Translation translation)
{
    g_translation = translation;
}

std::string wording(const char *thai, std::initializer_list<std::string> figures)
{
    const std::string text = g_translation ? g_translation(thai) : std::string(thai);
    if (figures.size() == 0)
        return text;
    std::string filled;
    filled.reserve(text.size() + 16 * figures.size());
    for (std::size_t k = 0; k < text.size(); ++k) {
        const char c = text[k];
        const char next = k + 1 < text.size() ? text[k + 1] : '\0';
        const std::size_t figure = std::size_t(next - '1');
        if (c == '%' && next >= '1' && next <= '9' && figure < figures.size()) {
            filled += figures.begin()[figure];
            ++k;
        } else {
            filled += c;
        }
    }
    return filled;
}

} // namespace model
