#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// The help of a command-line program as a terminal shows it: paragraphs, headings and entries (a
// command's or an option's synopsis with its description beside it), every line at most 80
// columns wide. Texts are wrapped where their language lets a line break, an East Asian wide
// letter taking two columns, so that a translation of any length keeps the layout; what a
// translation cannot break (a long path) stands on its own line.
class FXHelpText {
public:
    static constexpr int Width = 80;

    // Entries start at column 2; descriptions at `descriptionColumn`, on the synopsis's line when
    // it leaves room, else on the next.
    explicit FXHelpText(int descriptionColumn);

    // The columns `text` takes in a terminal: two for a wide letter, none for a combining mark or
    // a format character (such as Persian's zero-width non-joiner).
    static int columns(QStringView text);
    // `text` in lines of at most `width` columns; a line break in it is kept.
    static QStringList wrapped(const QString &text, int width);

    void addParagraph(const QString &text);
    void addHeading(const QString &text);
    void addEntry(const QString &synopsis, const QString &description);
    void addBlankLine();

    QString text() const { return m_text; }

private:
    int m_descriptionColumn;
    QString m_text;
};
