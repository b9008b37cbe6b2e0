#pragma once
// The report's page written through QXmlStreamWriter: every text and attribute is escaped by
// the writer, so no text from a file can become markup. The page is HTML in XML syntax: void
// elements (meta, br) are written as <br/>, every other HTML element with an end tag even when
// empty, since an HTML parser takes <div/> for an open <div>. SVG inside is foreign content
// and keeps the short form.
#include <QByteArray>
#include <QString>
#include <QXmlStreamWriter>

#include <initializer_list>
#include <utility>

namespace vora::report {

using Attributes = std::initializer_list<std::pair<const char *, QString>>;

class HtmlWriter {
public:
    explicit HtmlWriter(QByteArray *out);

    QXmlStreamWriter &xml() { return m_xml; }

    void start(const char *tag, Attributes attributes = {});
    // Ends the innermost element with an end tag.
    void end();
    // Text with control characters dropped (they are not XML and mean nothing on a page).
    void text(const QString &text);
    // The same with every line break as <br/>.
    void textWithBreaks(const QString &text);
    // <tag attributes>text</tag>
    void leaf(const char *tag, const QString &text, Attributes attributes = {});
    // A void element: <br/>, <meta .../>.
    void empty(const char *tag, Attributes attributes = {});

    // SVG: <tag attributes/>
    void svgEmpty(const char *tag, Attributes attributes);

private:
    QXmlStreamWriter m_xml;
};

// `text` without the characters XML cannot hold.
QString xmlSafe(const QString &text);

} // namespace vora::report
