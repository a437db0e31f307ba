// SPDX-License-Identifier: GPL-3.0-or-later
// The About box: the program's name, version, credits and icon.
#pragma once

#include <QDialog>

class AboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* owner);
};
