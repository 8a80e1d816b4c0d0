// SPDX-License-Identifier: GPL-3.0-or-later
// The bar above the report that tells the read check's findings without blocking the window.
#pragma once

#include "ReadCheck.h"

#include <QFrame>
#include <QStringList>

#include <vector>

class QLabel;

class WarningBar : public QFrame {
    Q_OBJECT

public:
    explicit WarningBar(QWidget* parent = nullptr);

    /// Shows one line per finding, or hides the bar when there is none.
    void showFindings(const std::vector<ReadFinding>& findings);

    /// The lines shown, empty while the bar is hidden.
    QStringList lines() const { return m_lines; }

private:
    QLabel* m_lblIcon;
    QLabel* m_lblText;
    QStringList m_lines;
};
