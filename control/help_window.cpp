// SPDX-License-Identifier: GPL-3.0-or-later
#include "control/help_window.h"

#include <QDialogButtonBox>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

// The help, a section at a time, so that a change to one section leaves the
// translations of the others as they are.
const char* const HELP_SECTIONS[] = {
    //: HTML: translate the text, keep the markup.
    QT_TRANSLATE_NOOP("HelpWindow", R"(
<h2>Quellix</h2>
<h3>The rules</h3>
<p>Two players take turns putting discs on an 8 by 8 board: player&nbsp;1 plays the dark discs and moves
first, player&nbsp;2 the light discs. The game starts with two discs of each colour in the middle.</p>
<p>A move must capture: the new disc and another disc of the same colour must enclose, in a straight
line (across, down or diagonally), an unbroken row of the opponent's discs. Every enclosed disc turns
over to the mover's colour, in every direction where the move encloses some.</p>
<p>A player who cannot capture anywhere must pass; the other player moves again. The game ends when
neither player can move, usually when the board is full. Whoever has more discs wins.</p>
)"),
    //: HTML: translate the text, keep the markup. "Player 1", "Player 2", "Start
    //: Game", "Pass" and "Clear Board" are the menus' and buttons' texts.
    QT_TRANSLATE_NOOP("HelpWindow", R"(
<h3>Playing</h3>
<ul>
<li>Choose who plays each colour in the <b>Player 1</b> and <b>Player 2</b> menus: a human, or a robot of
level 1 to 6. Two humans can play against each other at one mouse; two robots play by themselves.</li>
<li>Press <b>Start Game</b> (or F2). The panel of the player to move stands raised.</li>
<li>When it is your turn, small crosses mark the squares where you may play: click one. The cursor shows
the colour of your discs.</li>
<li>If you cannot move, the panel says so: press <b>Pass</b>, or P (<b>Pass</b> in the Game menu).</li>
<li>Every move is shown turning: an arrow looks round the new disc and the captured discs turn over.</li>
<li><b>Clear Board</b> (or Ctrl+F2) ends the game. Your choice of players is remembered for next time.</li>
</ul>
)"),
    //: HTML: translate the text, keep the markup. "Undo Move", "Redo Move",
    //: "Hint" and "Exit" are the menus' texts.
    QT_TRANSLATE_NOOP("HelpWindow", R"(
<h3>Undo, hint and the keyboard</h3>
<ul>
<li><b>Undo Move</b> in the Game menu (or Ctrl+Z) takes back your last move, or your last pass, and every
robot move since, and gives you the turn again as it was. Between two humans it takes back one move. Undo
again to go further back. The robots may answer differently the second time.</li>
<li><b>Redo Move</b> (or Ctrl+Shift+Z, or Ctrl+Y) plays again, at once, what the last undo took back.
A new move instead forgets it.</li>
<li><b>Hint</b> (or H): on your turn, a disc of your colour blinks three times on the square that looks best,
seen as far ahead as the level&nbsp;6 robot sees; in the last 20 moves of a game, on a square that is
best for certain, found by playing every possible game to its end. Any key or click stops the
blinking.</li>
<li>The arrow keys show a blue frame on the board, first on the last move (or in the middle before any
move), and move it one square at a time. Return or Enter plays the framed square, as a click there would.
A click on the board hides the frame, and so does a robot's turn or the end of the game; the next arrow
key shows it again.</li>
<li>Ctrl+Q ends the program, as <b>Exit</b> does.</li>
</ul>
)"),
    //: HTML: translate the text, keep the markup. "View", "Move List" and
    //: "Continue from Here" are the menu's and the button's texts; "pass" is
    //: what the list shows for a pass.
    QT_TRANSLATE_NOOP("HelpWindow", R"(
<h3>The move list</h3>
<p><b>Move List</b> in the <b>View</b> menu (or Ctrl+L) opens a window beside the board with every move of
the game, numbered as Othello players write them: "1. f5 d6" is the first move of dark, on f5, and light's
answer on d6. The columns are a to h from the left and the rows 1 to 8 from the top; a pass is written
"pass". Once a game is over, choose a row (or use Home, End and the arrow keys in the list) to see that
position on the board, with its last move and its disc counts; <b>Continue from Here</b> plays the game on
from that position, forgetting the moves after it.</p>
)"),
    //: HTML: translate the text, keep the markup. "Open Game", "Save Game As",
    //: "Copy Game" and "Paste Game" are the menu's texts; keep the examples as
    //: they are.
    QT_TRANSLATE_NOOP("HelpWindow", R"(
<h3>Games as text</h3>
<p><b>Open Game</b> (Ctrl+O) and <b>Paste Game</b> (Ctrl+V) read a game and play on from its end;
<b>Save Game As</b> (Ctrl+S) writes the game to a file and <b>Copy Game</b> (Ctrl+C) puts it on the
clipboard. Quellix reads the three forms in which Othello players keep and trade games:</p>
<ul>
<li>A transcript, the squares played from the usual start: <tt>f5d6c3d3c4f4</tt>. Spaces, commas, capitals
and move numbers (<tt>1. f5 d6 2. c3 d3</tt>) are fine, and so is a pass written <tt>pass</tt>.</li>
<li>A position: the 64 squares row by row from the top left (<tt>-</tt> or <tt>.</tt> empty, <tt>X</tt> or
<tt>*</tt> dark, <tt>O</tt> light), then the side to move, for example
<tt>---------------------------OX------XXX-------------------------- O</tt>. A game starts from it.</li>
<li>A GGF record, as the Othello game servers keep games:
<tt>(;GM[Othello]PB[Human]PW[Robot 3]TY[8]BO[8 ... *]B[F5]W[D6];)</tt>. Save writes this form.</li>
</ul>
<p>What cannot be read is reported with the move, or the line and column, where reading stopped, and the
game goes on unchanged.</p>
)"),
    //: HTML: translate the text, keep the markup. "View", "Show Move Values",
    //: "Large Move Marks", "Animation Speed", "Normal", "Fast", "Instant",
    //: "Results" and "Reset" are the menus' and buttons' texts.
    QT_TRANSLATE_NOOP("HelpWindow", R"(
<h3>The View menu</h3>
<ul>
<li><b>Show Move Values</b> (or V): in the last 20 moves of a game, each square where you may play shows
what the move is worth for certain: how many discs you win (+) or lose (&minus;) by at the end, if both
players play their best from there on. The best move's value stands out.</li>
<li><b>Large Move Marks</b> draws the crosses a third of a square across.</li>
<li><b>Animation Speed</b>: <b>Normal</b>, <b>Fast</b> (every pause halved) or <b>Instant</b> (each move
shown at once).</li>
<li><b>Results</b> shows the games won, lost and tied against each robot level, and between two humans
those of player&nbsp;1. A game counts when it ends; a game between two robots does not count.
<b>Reset</b> sets them all back to 0.</li>
<li>The options and the results are remembered for next time, with your choice of players.</li>
</ul>
)"),
    //: HTML: translate the text, keep the markup; the quoted texts are what a
    //: screen reader reads in your language.
    QT_TRANSLATE_NOOP("HelpWindow", R"(
<h3>Screen readers</h3>
<p>A screen reader, such as Orca, reads the board as a table of 64 cells: each cell is read as its square,
then what is on it, then what marks it, for example "D3, empty, legal move", "E4, dark disc" or "C5, light
disc, last move". The columns are A to H from the left and the rows 1 to 8 from the top. The cell under the
keyboard frame has the focus. Each player's panel reads as text, for example "Player 1, human, 2 pieces,
your turn", and moves, passes and the end of the game are announced. The move list reads a row at a time,
for example "1. f5 d6"; with the move values shown, a cell reads its value too, for example "D3, empty,
legal move, value plus 6".</p>
)"),
    //: HTML: translate the text, keep the markup.
    QT_TRANSLATE_NOOP("HelpWindow", R"(
<h3>Robot levels</h3>
<p>A robot of level <i>n</i> looks <i>n</i> moves ahead. It values discs that can never be turned again
most, then having more moves to choose from than its opponent, then the number of discs. It does not
always play its best move: it draws among its moves, favouring the better ones, and the higher the
level, the more strongly it favours them. Level 1 is a gentle beginner; level 6 rarely gives anything
away.</p>
)"),
};

}  // namespace

HelpWindow::HelpWindow(QWidget* owner) : QDialog(owner)
{
    setWindowTitle(tr("Quellix Help"));
    auto* layout = new QVBoxLayout(this);
    auto* text = new QTextBrowser(this);
    QString html;
    for (const char* section : HELP_SECTIONS)
        html += tr(section);
    text->setHtml(html);
    layout->addWidget(text);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    layout->addWidget(buttons);
    resize(520, 560);
}

void HelpWindow::ShowFor(QWidget* owner)
{
    // One help window per owner, kept (hidden when closed) until the owner goes.
    auto* help = owner->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (help == nullptr)
        help = new HelpWindow(owner);
    help->show();
    help->raise();
    help->activateWindow();
}

void HelpWindow::CloseFor(QWidget* owner)
{
    if (auto* help = owner->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly))
        help->close();
}
