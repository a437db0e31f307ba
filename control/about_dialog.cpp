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

}  // namespace

AboutDialog::AboutDialog(QWidget* owner) : QDialog(owner)
{
    setWindowTitle(QStringLiteral("About Quellix"));
    setModal(true);
    const DialogUnits du(font());
    setFixedSize(du(0, 0, 186, 130).size());

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
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
    addText(QStringLiteral("Version " QUELLIX_VERSION ", " QUELLIX_RELEASE_MONTH), du(40, 27, 117, 8), Qt::AlignLeft);
    addText(QStringLiteral("by Tamsvelder"), du(94, 40, 79, 8), Qt::AlignRight);
    auto* icon = new QLabel(this);
    icon->setGeometry(du(14, 16, 20, 20));
    icon->setPixmap(platform::LoadProgramIcon().pixmap(icon->size()));
    addText(QStringLiteral("With thanks to all who showed how a robot should weigh its discs."), du(15, 62, 153, 18),
            Qt::AlignLeft, true);
    addText(QStringLiteral("(Tamsvelder games)"), du(86, 48, 87, 8), Qt::AlignRight);
}
