// SPDX-License-Identifier: GPL-3.0-or-later
// The program in each language it speaks: catalogues that are complete and
// keep what their English texts hold, the English exactly as it always was,
// the plural of the disc count, menus, buttons and the About box that stay
// usable, and what a screen reader hears.
#include <QAccessible>
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include "control/about_dialog.h"
#include "control/client_area.h"
#include "platform/resources.h"
#include "platform/translations.h"
#include "tests/control/game_fixture.h"
#include "tests/platform/languages.h"

// Failures show texts as text.
void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

using platform::StringId;

struct CatalogueEntry {
    QString context, source, type;
    QStringList translations;  // one, or one per plural form
    bool numerus = false;
};

std::vector<CatalogueEntry> ReadCatalogue(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    std::vector<CatalogueEntry> entries;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            entries.push_back(
                {context, {}, {}, {}, xml.attributes().value(QStringLiteral("numerus")) == QStringLiteral("yes")});
        } else if (xml.name() == u"source") {
            entries.back().source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            entries.back().type = xml.attributes().value(QStringLiteral("type")).toString();
            if (!entries.back().numerus)
                entries.back().translations << xml.readElementText();
        } else if (xml.name() == u"numerusform") {
            entries.back().translations << xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return entries;
}

// What a translation must keep of its source: the arguments, the mnemonic
// (an & that starts no HTML entity), a key after a tab, the HTML tags.
QStringList Marks(const QString& text, bool numerus)
{
    static const QRegularExpression marks(QStringLiteral(R"(%[0-9nd]|&(?!\w+;)|\t|</?\w+)"));
    QStringList found;
    for (const QRegularExpressionMatch& m : marks.globalMatch(text))
        found << m.captured();
    if (numerus)  // "%d pieces": the translations put the number as %n
        found.replaceInStrings(QStringLiteral("%d"), QStringLiteral("%n"));
    return found;
}

TEST(Catalogues, SpeakEnglishGermanFrenchAndDutch)
{
    EXPECT_EQ(ProgramLanguages(), (std::vector<std::string>{"en", "de", "fr", "nl"}));
}

class Catalogue : public testing::TestWithParam<std::string> {};

TEST_P(Catalogue, IsCompleteKeepsItsSourcesMarksAndIsTheOneTheProgramLoads)
{
    const QString language = QString::fromStdString(GetParam());
    const platform::Translations translations{QLocale(language)};
    ASSERT_EQ(translations.Language(), language);
    const std::vector<CatalogueEntry> entries =
        ReadCatalogue(QStringLiteral(QUELLIX_SOURCE_DIR "/translations/quellix_%1.ts").arg(language));
    ASSERT_FALSE(entries.empty());
    for (const CatalogueEntry& e : entries) {
        SCOPED_TRACE(e.source.left(60).toStdString());
        EXPECT_EQ(e.type, QString()) << "unfinished or obsolete";
        ASSERT_FALSE(e.translations.isEmpty());
        for (const QString& t : e.translations) {
            EXPECT_FALSE(t.trimmed().isEmpty());
            EXPECT_EQ(Marks(t, false), Marks(e.source, e.numerus)) << t.toStdString();
        }
        if (!e.numerus) {
            EXPECT_EQ(QCoreApplication::translate(e.context.toUtf8(), e.source.toUtf8()), e.translations.front());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, Catalogue, testing::ValuesIn(ProgramLanguages(false)));

// Texts of the string table in a language: an id, or the disc count of
// `count` when the id is 0.
struct TextCase {
    const char* language;
    StringId id;
    int count;
    const char* expected;
};

void PrintTo(const TextCase& c, std::ostream* out)
{
    *out << c.language << ' ' << c.expected;
}

class TableText : public testing::TestWithParam<TextCase> {};

TEST_P(TableText, ReadsAsExpected)
{
    const TextCase& c = GetParam();
    const platform::Translations translations{QLocale(QString::fromLatin1(c.language))};
    const QString text = c.id == StringId{} ? platform::LoadPieceCount(c.count) : platform::LoadString(c.id);
    EXPECT_EQ(text, QString::fromUtf8(c.expected));
}

// English as it always was, also where the user's language has no catalogue;
// the font faces untranslated; and the plural in each language.
INSTANTIATE_TEST_SUITE_P(
    Strings, TableText,
    testing::Values(
        TextCase{"en", StringId::YourTurn, 0, "It's your turn"}, TextCase{"en", StringId::MyTurn, 0, "It's my turn"},
        TextCase{"en", StringId::PleaseWait, 0, "Please wait"}, TextCase{"en", StringId::HadToPass, 0, "I had to pass"},
        TextCase{"en", StringId::CannotMove, 0, "You can't move"},
        TextCase{"en", StringId::ClickPass, 0, "Click \u201cPass\u201d"},
        TextCase{"en", StringId::SerifFace, 0, "Times"}, TextCase{"en", StringId::ClearBoard, 0, "Clear Board"},
        TextCase{"en", StringId::StartGame, 0, "Start Game"}, TextCase{"en", StringId::Pass, 0, "Pass"},
        TextCase{"en", StringId::Pieces, 0, "%d pieces"}, TextCase{"en", StringId::OnePiece, 0, "1 piece"},
        TextCase{"en", StringId::SansFace, 0, "Arial"}, TextCase{"en", StringId::ProgramName, 0, "Quellix"},
        TextCase{"en", StringId::ClearQuestion, 0, "Are you sure you want to clear the board and start over?"},
        TextCase{"en", StringId::ClearCaption, 0, "Start over?"},
        TextCase{"en", StringId::ExitQuestion, 0, "Are you sure you want to exit Quellix?"},
        TextCase{"en", StringId::ExitCaption, 0, "Exit?"}, TextCase{"es", StringId::YourTurn, 0, "It's your turn"},
        TextCase{"de", StringId::SerifFace, 0, "Times"}, TextCase{"de", StringId::Pieces, 0, "%d pieces"},
        TextCase{"fr", StringId::SansFace, 0, "Arial"}, TextCase{"en", {}, 0, "0 pieces"},
        TextCase{"en", {}, 1, "1 piece"}, TextCase{"en", {}, 2, "2 pieces"}, TextCase{"es", {}, 1, "1 piece"},
        TextCase{"de", {}, 0, "0 Steine"}, TextCase{"de", {}, 1, "1 Stein"}, TextCase{"de", {}, 2, "2 Steine"},
        TextCase{"fr", {}, 0, "0 pion"}, TextCase{"fr", {}, 1, "1 pion"}, TextCase{"fr", {}, 2, "2 pions"},
        TextCase{"nl", {}, 0, "0 stenen"}, TextCase{"nl", {}, 1, "1 steen"}, TextCase{"nl", {}, 64, "64 stenen"}));

class WindowTexts : public GameFixture, public testing::WithParamInterface<std::string> {};

// Every menu title and item, by menu, as the player reads them.
std::vector<QStringList> MenuTexts(const GameWindow& w)
{
    std::vector<QStringList> menus(1);
    for (QAction* title : w.menuBar()->actions()) {
        menus.front() << title->text();
        menus.emplace_back();
        for (const QAction* item : title->menu()->actions())
            if (!item->isSeparator())
                menus.back() << item->text();
    }
    return menus;
}

TEST_P(WindowTexts, MenusHaveOneMnemonicEachAndButtonsAndAboutBoxFit)
{
    const platform::Translations translations{QLocale(QString::fromStdString(GetParam()))};
    GameWindow& w = Open();
    for (const QStringList& menu : MenuTexts(w)) {
        QSet<QChar> mnemonics;
        for (const QString& text : menu) {
            const qsizetype at = text.indexOf(u'&');
            ASSERT_TRUE(at >= 0 && at + 1 < text.size() && text.indexOf(u'&', at + 1) < 0) << text.toStdString();
            EXPECT_FALSE(mnemonics.contains(text[at + 1].toLower())) << "the mnemonic of " << text.toStdString();
            mnemonics.insert(text[at + 1].toLower());
        }
    }

    // One term per command: the menu item that the first button repeats says the same.
    EXPECT_EQ(w.CommandAction(ID_START_GAME)->text().remove(u'&').section(u'\t', 0, 0),
              platform::LoadString(StringId::StartGame));

    // The smallest window: both captions of the first button, and Pass.
    w.resize(1, 1);
    QCoreApplication::processEvents();
    ASSERT_EQ(w.Client()->width(), MINIMUM_CLIENT_WIDTH);
    for (const StringId caption : {StringId::StartGame, StringId::ClearBoard}) {
        w.StartClearButton()->setText(platform::LoadString(caption));
        EXPECT_LE(w.StartClearButton()->sizeHint().width(), w.StartClearButton()->width())
            << platform::LoadString(caption).toStdString();
    }
    EXPECT_LE(w.PassButton()->sizeHint().width(), w.PassButton()->width());

    AboutDialog about(&w);
    for (const QLabel* label : about.findChildren<QLabel*>()) {
        if (label->wordWrap()) {
            EXPECT_LE(label->heightForWidth(label->width()), label->height()) << label->text().toStdString();
        } else if (!label->text().isEmpty()) {
            EXPECT_LE(label->sizeHint().width(), label->width()) << label->text().toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, WindowTexts, testing::ValuesIn(ProgramLanguages()));

// What a screen reader hears in a language: the board, a cell, a panel and
// an announcement each look their text up under the name the catalogue
// files it under, so none of them stays English.
struct SpokenCase {
    const char* language;
    const char* board;
    const char* cell;    // D3 at the start
    const char* panel;   // player 1 at the start
    const char* played;  // after player 1 plays D3
};

void PrintTo(const SpokenCase& c, std::ostream* out)
{
    *out << c.language;
}

class SpokenTexts : public GameFixture, public testing::WithParamInterface<SpokenCase> {};

TEST_P(SpokenTexts, ComeFromTheCatalogue)
{
    const SpokenCase& c = GetParam();
    const platform::Translations translations{QLocale(QString::fromLatin1(c.language))};
    GameWindow& w = Open(HUMAN, HUMAN);
    w.Game().StartGame();
    QAccessibleInterface* client = QAccessible::queryAccessibleInterface(w.Client());
    ASSERT_NE(client, nullptr);
    QAccessibleInterface* board = client->child(0);
    EXPECT_EQ(board->text(QAccessible::Name), QString::fromUtf8(c.board));
    EXPECT_EQ(board->tableInterface()->cellAt(2, 3)->text(QAccessible::Name), QString::fromUtf8(c.cell));
    EXPECT_EQ(client->child(1)->text(QAccessible::Name), QString::fromUtf8(c.panel));

    w.Game().HandleSquareClick(19);
    ASSERT_TRUE(RunUntil([&] { return Resting(); }));
    EXPECT_EQ(client->child(3)->text(QAccessible::Name), QString::fromUtf8(c.played));
}

INSTANTIATE_TEST_SUITE_P(
    Languages, SpokenTexts,
    testing::Values(SpokenCase{"de", "Brett", "D3, leer, möglicher Zug", "Spieler 1, Mensch, 2 Steine, du bist am Zug",
                               "Spieler 1 hat auf D3 gesetzt"},
                    SpokenCase{"fr", "Plateau", "D3, vide, coup possible", "Joueur 1, humain, 2 pions, à vous de jouer",
                               "Le joueur 1 a joué en D3"},
                    SpokenCase{"nl", "Bord", "D3, leeg, mogelijke zet", "Speler 1, mens, 2 stenen, je bent aan zet",
                               "Speler 1 heeft op D3 gezet"}));

using EnglishMenus = GameFixture;

TEST_F(EnglishMenus, ReadAsTheyAlwaysHave)
{
    const platform::Translations translations{QLocale(QLocale::English)};
    const std::vector<QStringList> expected = {
        {"&Game", "Player &1", "Player &2", "&View", "&Help"},
        {"&Start Game\tF2", "&Clear Game\tCtrl-F2", "&Undo Move\tCtrl+Z", "&Redo Move\tCtrl+Shift+Z", "&Hint\tH",
         "&Pass\tP", "&Open Game…\tCtrl+O", "Save Game &As…\tCtrl+S", "Cop&y Game\tCtrl+C", "Pas&te Game\tCtrl+V",
         "E&xit"},
        {"&Human", "Robot &1 - Beginner", "Robot &2 - Getting better", "Robot &3 - Pretty good", "Robot &4 - Expert",
         "Robot &5 - Wizard", "Robot &6 - Perfectionist"},
        {"&Human", "Robot &1 - Beginner", "Robot &2 - Getting better", "Robot &3 - Pretty good", "Robot &4 - Expert",
         "Robot &5 - Wizard", "Robot &6 - Perfectionist"},
        {"Move &List\tCtrl+L", "&Continue from Here", "Show Move &Values\tV", "Large Move &Marks", "Animation &Speed", "&Results"},
        {"&Help Contents\tF1", "&About Quellix"},
    };
    EXPECT_EQ(MenuTexts(Open()), expected);
}

}  // namespace
