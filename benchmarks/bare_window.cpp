// SPDX-License-Identifier: GPL-3.0-or-later
// A bare Qt window with a menu bar, the yardstick of window_timings.sh: it
// opens menus, a dialog, a question and a text window as plain Qt does, with
// no icon and nothing drawn, and reports through the same timing probe as
// the game.
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPixmap>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "platform/timing_probe.h"

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    platform::TimingProbe::InstallIfAsked();
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare"));
    // Menus of the game's length, with the same kinds of items.
    QMenu* game = window.menuBar()->addMenu(QStringLiteral("&Game"));
    game->addAction(QStringLiteral("&Question\tF2"), QKeySequence(Qt::Key_F2), [&window] {
        QMessageBox box(QMessageBox::Question, QStringLiteral("Start over?"),
                        QStringLiteral("Are you sure you want to clear the board and start over?"),
                        QMessageBox::Ok | QMessageBox::Cancel, &window);
        box.exec();
    });
    for (const char* item : {"&Clear\tCtrl-F2", "&Undo\tCtrl+Z", "&Redo\tCtrl+Shift+Z", "&Hint\tH", "&Pass\tP", "",
                             "&Open…\tCtrl+O", "Save &As…\tCtrl+S", "Cop&y\tCtrl+C", "Pas&te\tCtrl+V", "", "E&xit"})
        if (*item == '\0')
            game->addSeparator();
        else
            game->addAction(QString::fromUtf8(item));
    for (const char* name : {"Player &1", "Player &2", "&View"}) {
        QMenu* menu = window.menuBar()->addMenu(QString::fromLatin1(name));
        for (int i = 1; i <= 7; ++i)
            menu->addAction(QStringLiteral("Item &%1").arg(i))->setCheckable(true);
    }
    QMenu* help = window.menuBar()->addMenu(QStringLiteral("&Help"));
    // A text window of the help window's build and length, made when first
    // asked for and kept.
    QDialog* text = nullptr;
    help->addAction(QStringLiteral("&Help Contents\tF1"), QKeySequence(Qt::Key_F1), [&window, &text] {
        if (text == nullptr) {
            text = new QDialog(&window);
            auto* layout = new QVBoxLayout(text);
            auto* browser = new QTextBrowser(text);
            QString html;
            for (int section = 1; section <= 10; ++section) {
                html += QStringLiteral("<h3>Section %1</h3><ul>").arg(section);
                for (int item = 0; item < 6; ++item)
                    html += QStringLiteral("<li>A sentence of <b>help</b> about one thing the window does, long "
                                           "enough to wrap once or twice in a window of this width.</li>");
                html += QStringLiteral("</ul>");
            }
            browser->setHtml(html);
            layout->addWidget(browser);
            layout->addWidget(new QDialogButtonBox(QDialogButtonBox::Close, text));
            text->resize(520, 560);
        }
        text->show();
    });
    // A box of the About box's build: a picture and five texts.
    help->addAction(QStringLiteral("&About"), [&window] {
        QDialog about(&window);
        about.setFixedSize(280, 170);
        QPixmap picture(32, 32);
        picture.fill(Qt::darkGreen);
        auto* icon = new QLabel(&about);
        icon->setGeometry(20, 20, 32, 32);
        icon->setPixmap(picture);
        for (int line = 0; line < 5; ++line) {
            auto* label = new QLabel(QStringLiteral("A line of the box, number %1, of some length").arg(line), &about);
            label->setGeometry(60, 20 + 26 * line, 200, 24);
            label->setWordWrap(line == 4);
        }
        about.exec();
    });
    window.resize(800, 600);
    window.show();
    return QApplication::exec();
}
