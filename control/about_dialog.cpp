// SPDX-License-Identifier: GPL-3.0-or-later
#include "control/about_dialog.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "platform/resources.h"
#include "quellix_version.h"

namespace {

// The box is laid out in dialog units: a quarter of the font's average
// character width across and an eighth of its height down.
struct DialogUnits {
    explicit DialogUnits(const QFont& font)
    {
        // The average width of the letters, measured over the alphabet.
        const QFontMetrics metrics(font);
        const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
        x = (metrics.horizontalAdvance(letters) / 26 + 1) / 2;
        y = metrics.height();
    }
    QRect operator()(int left, int top, int width, int height) const
    {
        return QRect(left * x / 4, top * y / 8, width * x / 4, height * y / 8);
    }
    int x;
    int y;
};

// The month of the release, in the program's language.
const char* const MONTHS[12] = {
    QT_TRANSLATE_NOOP("AboutDialog", "January"),   QT_TRANSLATE_NOOP("AboutDialog", "February"),
    QT_TRANSLATE_NOOP("AboutDialog", "March"),     QT_TRANSLATE_NOOP("AboutDialog", "April"),
    QT_TRANSLATE_NOOP("AboutDialog", "May"),       QT_TRANSLATE_NOOP("AboutDialog", "June"),
    QT_TRANSLATE_NOOP("AboutDialog", "July"),      QT_TRANSLATE_NOOP("AboutDialog", "August"),
    QT_TRANSLATE_NOOP("AboutDialog", "September"), QT_TRANSLATE_NOOP("AboutDialog", "October"),
    QT_TRANSLATE_NOOP("AboutDialog", "November"),  QT_TRANSLATE_NOOP("AboutDialog", "December"),
};
static_assert(QUELLIX_RELEASE_MONTH_NUMBER >= 1 && QUELLIX_RELEASE_MONTH_NUMBER <= 12);

}  // namespace

AboutDialog::AboutDialog(QWidget* owner) : QDialog(owner)
{
    setWindowTitle(tr("About Quellix"));
    setModal(true);
    const DialogUnits du(font());
    setFixedSize(du(0, 0, 186, 130).size());

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setGeometry(du(129, 110, 50, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* frame = new QGroupBox(this);
    frame->setGeometry(du(7, 7, 172, 99));

    auto addText = [this](const QString& text, QRect place, Qt::Alignment alignment, bool wrap = false) {
        auto* label = new QLabel(text, this);
        label->setGeometry(place);
        label->setAlignment(alignment | Qt::AlignTop);
        label->setWordWrap(wrap);
        return label;
    };
    QLabel* name = addText(platform::LoadString(platform::StringId::ProgramName), du(40, 18, 46, 9), Qt::AlignLeft);
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);
    //: %1 is the version number, %2 the month and %3 the year of the release.
    const QString version = tr("Version %1, %2 %3")
                                .arg(QStringLiteral(QUELLIX_VERSION), tr(MONTHS[QUELLIX_RELEASE_MONTH_NUMBER - 1]))
                                .arg(QUELLIX_RELEASE_YEAR);
    addText(version, du(40, 27, 117, 8), Qt::AlignLeft);
    //: The author.
    addText(tr("by Tamsvelder"), du(94, 40, 79, 8), Qt::AlignRight);
    auto* icon = new QLabel(this);
    icon->setGeometry(du(14, 16, 20, 20));
    icon->setPixmap(platform::LoadProgramIcon().pixmap(icon->size()));
    //: Two lines at most.
    addText(tr("With thanks to all who showed how a robot should weigh its discs."), du(15, 62, 153, 18), Qt::AlignLeft,
            true);
    //: The author's address, in parentheses.
    addText(tr("(Tamsvelder games)"), du(86, 48, 87, 8), Qt::AlignRight);
}
