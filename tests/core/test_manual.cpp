// The manuals, docs/manual.html (English) and docs/manual.zh.html (Chinese),
// against the program: every caption they quote (<span class="ui">) is one
// the windows show in that language, every message they quote (<span
// class="msg">) is one the program shows, every message the program can show
// is explained in the troubleshooting section of both, every menu entry is
// named, both have the same sections, and every picture is there and shows
// the manual's language.
#include "ProgramTexts.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

using namespace q716test;

namespace {

const QDir Docs(QStringLiteral(Q716_SOURCE_DIR "/docs"));

struct Manual {
    const char* file;
    int language; // 0 Chinese, 1 English
    const char* htmlLang;
};
const Manual Manuals[] = {{"manual.zh.html", 0, "zh-CN"}, {"manual.html", 1, "en"}};

QString readFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(f.readAll());
}

QString html(const Manual& m) {
    return readFile(Docs.filePath(QString::fromLatin1(m.file)));
}

QString decoded(QString text) {
    text.replace(QStringLiteral("&nbsp;"), QStringLiteral(" "))
        .replace(QStringLiteral("&lt;"), QStringLiteral("<"))
        .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
        .replace(QStringLiteral("&quot;"), QStringLiteral("\""))
        .replace(QStringLiteral("&#39;"), QStringLiteral("'"))
        .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return normalizedText(text);
}

// The texts of <span class="`cls`">…</span>, decoded; nested markup is refused.
QStringList quoted(const QString& page, const QString& cls) {
    QStringList texts;
    const QRegularExpression span(QStringLiteral("<span class=\"%1\">(.*?)</span>").arg(cls),
                                  QRegularExpression::DotMatchesEverythingOption);
    for (const QRegularExpressionMatch& m : span.globalMatch(page))
        texts << decoded(m.captured(1));
    return texts;
}

// The part of `page` inside <section id="`id`">.
QString section(const QString& page, const QString& id) {
    const qsizetype start = page.indexOf(QStringLiteral("<section id=\"%1\"").arg(id));
    if (start < 0)
        return QString();
    return page.mid(start, page.indexOf(QStringLiteral("</section>"), start) - start);
}

QStringList sectionIds(const QString& page) {
    QStringList ids;
    const QRegularExpression re(QStringLiteral("<section id=\"([^\"]+)\""));
    for (const QRegularExpressionMatch& m : re.globalMatch(page))
        ids << m.captured(1);
    return ids;
}

QStringList messageTexts(int language, bool withFragments) {
    QStringList texts;
    for (const ProgramText& t : programMessages(language))
        if (withFragments || t.kind != TextKind::Fragment)
            texts << t.text;
    return texts;
}

} // namespace

TEST(Manual, BothLanguagesHaveTheSameSectionsAndLinkEachOther) {
    const QString zh = html(Manuals[0]);
    const QString en = html(Manuals[1]);
    ASSERT_FALSE(zh.isEmpty());
    ASSERT_FALSE(en.isEmpty());
    for (const Manual& m : Manuals) {
        const QString page = html(m);
        EXPECT_TRUE(page.contains(QStringLiteral("<html lang=\"%1\">").arg(m.htmlLang))) << m.file;
        EXPECT_TRUE(page.contains(QStringLiteral("<meta charset=\"utf-8\">"))) << m.file;
        const QString other =
            QString::fromLatin1(m.language == 0 ? "manual.html" : "manual.zh.html");
        EXPECT_TRUE(page.contains(QStringLiteral("href=\"%1\"").arg(other))) << m.file;
        const QStringList ids = sectionIds(page);
        ASSERT_FALSE(ids.isEmpty()) << m.file;
        EXPECT_EQ(ids.first(), QStringLiteral("getting-started")) << m.file;
        EXPECT_TRUE(ids.contains(QStringLiteral("edit-menu"))) << m.file;
        EXPECT_TRUE(ids.contains(QStringLiteral("troubleshooting"))) << m.file;
        EXPECT_FALSE(page.contains(QStringLiteral("<!-- edit-menu -->"))) << m.file;
    }
    EXPECT_EQ(sectionIds(zh), sectionIds(en));
}

TEST(Manual, EveryQuotedCaptionIsOneTheWindowsShow) {
    for (const Manual& m : Manuals) {
        const QStringList captions = shownCaptions(m.language);
        const QSet<QString> shown(captions.begin(), captions.end());
        const QStringList quotes = quoted(html(m), QStringLiteral("ui"));
        EXPECT_GT(quotes.size(), 100) << m.file;
        for (const QString& q : quotes)
            EXPECT_TRUE(shown.contains(q))
                << m.file << ": no window shows \"" << q.toStdString() << "\"";
    }
}

TEST(Manual, EveryQuotedMessageIsOneTheProgramShows) {
    for (const Manual& m : Manuals) {
        const QStringList texts = messageTexts(m.language, true);
        const QSet<QString> known(texts.begin(), texts.end());
        for (const QString& q : quoted(html(m), QStringLiteral("msg")))
            EXPECT_TRUE(known.contains(q))
                << m.file << ": the program shows no message \"" << q.toStdString() << "\"";
    }
}

TEST(Manual, TroubleshootingExplainsEveryMessage) {
    for (const Manual& m : Manuals) {
        const QStringList explained =
            quoted(section(html(m), QStringLiteral("troubleshooting")), QStringLiteral("msg"));
        for (const QString& text : messageTexts(m.language, false))
            EXPECT_TRUE(explained.contains(text))
                << m.file << ": troubleshooting does not explain \"" << text.toStdString() << "\"";
    }
}

TEST(Manual, EveryMenuEntryIsNamed) {
    for (const Manual& m : Manuals) {
        const QStringList quotes = quoted(html(m), QStringLiteral("ui"));
        for (const QString& entry : menuCaptions(m.language))
            EXPECT_TRUE(quotes.contains(entry))
                << m.file << ": the menu entry \"" << entry.toStdString() << "\" is not named";
    }
}

TEST(Manual, EveryPictureExistsAndShowsTheManualsLanguage) {
    const QRegularExpression img(QStringLiteral("<img src=\"([^\"]+)\""));
    for (const Manual& m : Manuals) {
        int pictures = 0;
        const QString foreign =
            m.language == 0 ? QStringLiteral("-en.png") : QStringLiteral("-zh.png");
        for (const QRegularExpressionMatch& match : img.globalMatch(html(m))) {
            const QString src = match.captured(1);
            ++pictures;
            EXPECT_TRUE(QFile::exists(Docs.filePath(src))) << m.file << ": " << src.toStdString();
            EXPECT_FALSE(src.endsWith(foreign))
                << m.file << " shows a picture in the other language: " << src.toStdString();
        }
        EXPECT_GT(pictures, 15) << m.file;
    }
}

// A message added to the core without an entry in ProgramTexts would escape
// the checks above: every Chinese text the core picks for a message (the
// first text of pickText, or a message built from a literal) must match one
// of the texts gathered there, its %1, %2... standing for anything.
TEST(Manual, ProgramTextsKnowEveryMessageOfTheCore) {
    const QStringList known = messageTexts(0, true) + shownCaptions(0);
    const QString literals = QStringLiteral(R"re(((?:\s*"(?:[^"\\]|\\.)*")+))re");
    const QRegularExpression picked(
        QStringLiteral(R"re(pickText\(\s*\w+\s*,\s*QStringLiteral\()re") + literals);
    const QRegularExpression built(QStringLiteral(R"re(\{\s*QStringLiteral\()re") + literals);
    const QRegularExpression piece(QStringLiteral(R"re("((?:[^"\\]|\\.)*)")re"));
    int found = 0;
    QDirIterator it(QStringLiteral(Q716_SOURCE_DIR "/src/core"), {QStringLiteral("*.cpp")},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString source = readFile(path);
        for (const QRegularExpression* re : {&picked, &built}) {
            for (const QRegularExpressionMatch& m : re->globalMatch(source)) {
                QString text;
                for (const QRegularExpressionMatch& p : piece.globalMatch(m.captured(1)))
                    text += p.captured(1);
                text.replace(QStringLiteral("\\n"), QStringLiteral("\n"))
                    .replace(QStringLiteral("\\\""), QStringLiteral("\""))
                    .replace(QStringLiteral("\\\\"), QStringLiteral("\\"));
                // Only texts with Chinese in them; the English ones are their twins.
                if (!text.contains(QRegularExpression(QStringLiteral("[\\x{4e00}-\\x{9fff}]"))))
                    continue;
                ++found;
                QStringList parts =
                    normalizedText(text).split(QRegularExpression(QStringLiteral("%\\d")));
                for (QString& part : parts)
                    part = QRegularExpression::escape(part);
                const QRegularExpression matcher(parts.join(QStringLiteral(".+?")));
                const bool matched = std::any_of(known.begin(), known.end(), [&](const QString& k) {
                    return matcher.match(k).hasMatch();
                });
                EXPECT_TRUE(matched)
                    << QDir(QStringLiteral(Q716_SOURCE_DIR)).relativeFilePath(path).toStdString()
                    << ": \"" << text.toStdString()
                    << "\" is missing from tests/core/ProgramTexts.cpp";
            }
        }
    }
    EXPECT_GT(found, 40);
}
