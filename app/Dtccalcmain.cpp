// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: opening a dump, choosing the unit type, running the check, saving the log.
#include "Dtccalcmain.h"

#include "About.h"
#include "BestLeaves.h"
#include "CalloutPanel.h"
#include "CompareDumps.h"
#include "DumpLoader.h"
#include "DumpOpenDialog.h"
#include "ElidedLabel.h"
#include "ExplainDecoder.h"
#include "HexView.h"
#include "LogFile.h"
#include "PaneSplitter.h"
#include "RecordHeader.h"
#include "ReportExplainer.h"
#include "Product.h"
#include "ReadCheck.h"
#include "Registry.h"
#include "ReportText.h"
#include "RunDecoder.h"
#include "ScreenFit.h"
#include "SizeMismatch.h"
#include "TreeFilter.h"
#include "WarningBar.h"

#include <QAction>
#include <QApplication>
#include <QCompleter>
#include <QDateTime>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QScrollBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kTypeIdRole = Qt::UserRole;
constexpr char kNoDecoder[] = "Sorry. No DTC calc for this item.";
constexpr char kReportWithHeader[] = "Report with header (*.txt)";
// The tree's width and the info panel's height when the window opens.
constexpr int kTreeWidth = 201;
constexpr int kInfoHeight = 104;

// The one local file that a drag carries, or an empty string when it carries anything else.
QString droppedFile(const QMimeData* mime) {
    if (!mime || !mime->hasUrls() || mime->urls().size() != 1 ||
        !mime->urls().first().isLocalFile())
        return QString();
    return mime->urls().first().toLocalFile();
}

} // namespace

TfrmDTCReader::TfrmDTCReader(QWidget* parent)
    : QMainWindow(parent)
    , m_dumpFileName(QStringLiteral("dump.bin"))
    , m_logFileName(QStringLiteral("error_log.txt"))
    , m_sink(this)
    , m_lblStatusText(new ElidedLabel(QStringLiteral("Ready..."), this))
    , m_Ani(new QProgressBar(this))
    , m_tvTypes(new QTreeWidget(this))
    , m_pnlRight(new PaneSplitter(Qt::Vertical, this))
    , m_mOutput(new QPlainTextEdit(this))
    , m_pnlShowInfo(new CalloutPanel(10, 10, 2, this))
    , m_lblInfo(new QLabel(QStringLiteral("No info"), m_pnlShowInfo))
    , dlgFileOpen(nullptr)
    , dlgFileSave(nullptr)
    , dlgFileCompare(nullptr)
    , m_frmAbout(nullptr)
    , m_warningBar(new WarningBar(this))
    , m_treeFilter(new TreeFilter(m_tvTypes, this))
    , m_explainer(nullptr) {
    setObjectName(QStringLiteral("frmDTCReader"));
    setWindowTitle(
        QStringLiteral("%1 by %2")
            .arg(QString::fromUtf8(product::kName), QString::fromUtf8(product::kWebAddress)));
    resize(640, 480);
    setAcceptDrops(true);

    buildStatusBar();
    buildPanels();
    buildMenus();
    buildTree();
    connect(m_tvTypes, &QTreeWidget::itemSelectionChanged, this, &TfrmDTCReader::m_tvTypesChange);
    connect(m_tvTypes, &QTreeWidget::itemActivated, this, &TfrmDTCReader::m_tvTypesActivate);

    m_frmAbout = new TfrmAbout(this);
    fitOnScreen(this);
}

TfrmDTCReader::~TfrmDTCReader() {
    // The file dialogs use m_iconProvider until they are gone.
    delete dlgFileOpen;
    delete dlgFileSave;
    delete dlgFileCompare;
}

void TfrmDTCReader::buildStatusBar() {
    QStatusBar* sbBottom = statusBar();
    sbBottom->setObjectName(QStringLiteral("sbBottom"));
    sbBottom->setFixedHeight(24);
    sbBottom->setSizeGripEnabled(true);
    m_lblStatusText->setObjectName(QStringLiteral("m_lblStatusText"));
    sbBottom->addWidget(m_lblStatusText, 1);
    m_Ani->setObjectName(QStringLiteral("m_Ani"));
    m_Ani->setRange(0, 0); // no known end: an animated busy bar
    m_Ani->setTextVisible(false);
    m_Ani->setFixedWidth(32);
    m_Ani->setVisible(false);
    sbBottom->addPermanentWidget(m_Ani);
}

// The tree beside the right-hand side, the report above the info panel, each pair in a splitter
// that the user can move. The report takes what the window gains; when the window shrinks, the
// tree and the info panel give too.
void TfrmDTCReader::buildPanels() {
    auto* pnlMain = new PaneSplitter(Qt::Horizontal, this);
    pnlMain->setObjectName(QStringLiteral("pnlMain"));
    pnlMain->setChildrenCollapsible(false);
    m_pnlRight->setObjectName(QStringLiteral("m_pnlRight"));
    m_pnlRight->setChildrenCollapsible(false);
    pnlMain->setPanes(buildTypesPanel(), kTreeWidth, m_pnlRight, width() - kTreeWidth,
                      PaneSplitter::Side::First);
    setCentralWidget(pnlMain);
    m_pnlRight->setPanes(buildReportPanel(), height() - kInfoHeight, buildInfoPanel(), kInfoHeight,
                         PaneSplitter::Side::Second);
}

QWidget* TfrmDTCReader::buildTypesPanel() {
    auto* pnlTypes = new QWidget(this);
    pnlTypes->setObjectName(QStringLiteral("pnlTypes"));
    auto* layout = new QVBoxLayout(pnlTypes);
    layout->setContentsMargins(0, 0, 0, 0);
    m_tvTypes->setObjectName(QStringLiteral("m_tvTypes"));
    m_tvTypes->setHeaderHidden(true);
    m_tvTypes->setAcceptDrops(false);
    m_tvTypes->viewport()->setAcceptDrops(false);
    layout->addWidget(m_treeFilter);
    layout->addWidget(m_tvTypes);
    return pnlTypes;
}

QWidget* TfrmDTCReader::buildReportPanel() {
    auto* pnlReport = new QWidget(this);
    pnlReport->setObjectName(QStringLiteral("pnlReport"));
    auto* layout = new QVBoxLayout(pnlReport);
    layout->setContentsMargins(0, 0, 0, 0);
    m_mOutput->setObjectName(QStringLiteral("m_mOutput"));
    m_mOutput->setReadOnly(true);
    // Nothing in a read-only report is ever undone; an undo step per line would only hold a
    // second copy of the report.
    m_mOutput->setUndoRedoEnabled(false);
    m_mOutput->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont memoFont(QStringLiteral("Courier"));
    memoFont.setStyleHint(QFont::TypeWriter);
    memoFont.setFixedPitch(true);
    m_mOutput->setFont(memoFont);
    // Drops land on the window, which opens them like "&Open..." does.
    m_mOutput->setAcceptDrops(false);
    m_mOutput->viewport()->setAcceptDrops(false);
    layout->addWidget(m_warningBar);
    // The hex view below the report shows the bytes behind the selected report line.
    auto* reportSplitter = new QSplitter(Qt::Vertical, pnlReport);
    auto* hexView = new HexView(reportSplitter);
    reportSplitter->addWidget(m_mOutput);
    reportSplitter->addWidget(hexView);
    reportSplitter->setStretchFactor(0, 3);
    reportSplitter->setStretchFactor(1, 2);
    layout->addWidget(reportSplitter, 1);
    m_explainer = new ReportExplainer(
        plainTextReportLines(m_mOutput), hexView,
        [this](const QString& text) { statusBar()->showMessage(text); }, this);
    return pnlReport;
}

QWidget* TfrmDTCReader::buildInfoPanel() {
    m_pnlShowInfo->setObjectName(QStringLiteral("m_pnlShowInfo"));
    auto* infoLayout = new QVBoxLayout(m_pnlShowInfo);
    infoLayout->setContentsMargins(0, 10, 0, 0);
    m_lblInfo->setObjectName(QStringLiteral("m_lblInfo"));
    QFont infoFont = m_lblInfo->font();
    infoFont.setBold(true);
    m_lblInfo->setFont(infoFont);
    m_lblInfo->setAlignment(Qt::AlignCenter);
    // Wrapped, so that a long line makes the panel taller instead of the window wider.
    m_lblInfo->setWordWrap(true);
    infoLayout->addWidget(m_lblInfo);
    m_pnlShowInfo->setVisible(false);
    return m_pnlShowInfo;
}

// The file dialogs are made on first use: building one costs more than the rest of the window.
QFileDialog* TfrmDTCReader::openDialog() {
    if (!dlgFileOpen) {
        dlgFileOpen = new DumpOpenDialog(this);
        dlgFileOpen->setObjectName(QStringLiteral("dlgFileOpen"));
        dlgFileOpen->setNameFilters(
            {QStringLiteral("Binary files (*.bin)"), QStringLiteral("All files (*)")});
        dlgFileOpen->selectFile(m_dumpFileName);
        prepareFileDialog(dlgFileOpen);
    }
    return dlgFileOpen;
}

QFileDialog* TfrmDTCReader::saveDialog() {
    if (!dlgFileSave) {
        dlgFileSave = new QFileDialog(this);
        dlgFileSave->setObjectName(QStringLiteral("dlgFileSave"));
        dlgFileSave->setAcceptMode(QFileDialog::AcceptSave);
        dlgFileSave->setFileMode(QFileDialog::AnyFile);
        dlgFileSave->setWindowTitle(QStringLiteral("Save DTC log file"));
        dlgFileSave->setNameFilters(
            {QStringLiteral("Text Files (*.txt)"), QString::fromUtf8(kReportWithHeader)});
        dlgFileSave->setOption(QFileDialog::DontConfirmOverwrite);
        dlgFileSave->selectFile(m_logFileName);
        prepareFileDialog(dlgFileSave);
    }
    return dlgFileSave;
}

QFileDialog* TfrmDTCReader::compareDialog() {
    if (!dlgFileCompare) {
        dlgFileCompare = new QFileDialog(this);
        dlgFileCompare->setObjectName(QStringLiteral("dlgFileCompare"));
        dlgFileCompare->setAcceptMode(QFileDialog::AcceptOpen);
        dlgFileCompare->setFileMode(QFileDialog::ExistingFile);
        dlgFileCompare->setWindowTitle(QStringLiteral("Compare with another read"));
        dlgFileCompare->setNameFilters(
            {QStringLiteral("Binary files (*.bin)"), QStringLiteral("All files (*)")});
        prepareFileDialog(dlgFileCompare);
    }
    return dlgFileCompare;
}

// What every file dialog of the window shares: it never reads the files it lists, and its
// name completion list closes with it.
void TfrmDTCReader::prepareFileDialog(QFileDialog* dialog) {
    dialog->setIconProvider(&m_iconProvider);
    connect(dialog, &QDialog::finished, dialog, [dialog] {
        for (QCompleter* completer : dialog->findChildren<QCompleter*>())
            if (completer->popup())
                completer->popup()->hide();
    });
}

// Shows `dialog` modally, sized to fit the screen; true when the user chose a file.
bool TfrmDTCReader::execFileDialog(QFileDialog* dialog) {
    fitOnScreen(dialog);
    return dialog->exec() == QDialog::Accepted && !dialog->selectedFiles().isEmpty();
}

void TfrmDTCReader::buildMenus() {
    QMenu* mnItemFile = menuBar()->addMenu(QStringLiteral("File"));
    mnItemFile->setObjectName(QStringLiteral("mnItemFile"));
    miOpen = mnItemFile->addAction(QStringLiteral("&Open..."), this, &TfrmDTCReader::miOpenClick);
    miOpen->setObjectName(QStringLiteral("miOpen"));
    miOpen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    miSaveFile =
        mnItemFile->addAction(QStringLiteral("Save..."), this, &TfrmDTCReader::miSaveFileClick);
    miSaveFile->setObjectName(QStringLiteral("miSaveFile"));
    miSaveFile->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    m_miClose = mnItemFile->addAction(QStringLiteral("Exit"), this, &TfrmDTCReader::m_miCloseClick);
    m_miClose->setObjectName(QStringLiteral("m_miClose"));

    QMenu* menuItem1 = menuBar()->addMenu(QStringLiteral("Tools"));
    menuItem1->setObjectName(QStringLiteral("MenuItem1"));
    m_miCheckDTC = menuItem1->addAction(QStringLiteral("Check for DTC History"), this,
                                        &TfrmDTCReader::m_miCheckDTCClick);
    m_miCheckDTC->setObjectName(QStringLiteral("m_miCheckDTC"));
    m_miCheckDTC->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    m_miCheckDTC->setEnabled(false);
    miCompare = menuItem1->addAction(QStringLiteral("Compare with another read..."), this,
                                     &TfrmDTCReader::miCompareClick);
    miCompare->setObjectName(QStringLiteral("miCompare"));
    miCompare->setEnabled(false);

    QMenu* mnView = menuBar()->addMenu(QStringLiteral("View"));
    mnView->setObjectName(QStringLiteral("mnView"));
    mnView->addActions(m_explainer->viewActions(this));

    miAbout = menuBar()->addAction(QStringLiteral("About..."), this, &TfrmDTCReader::miAboutClick);
    miAbout->setObjectName(QStringLiteral("miAbout"));
}

void TfrmDTCReader::buildTree() {
    QTreeWidgetItem* makeNode = nullptr;
    for (const UnitTreeLeaf& leaf : unitTree()) {
        const QString make = QString::fromUtf8(leaf.make);
        if (!makeNode || makeNode->text(0) != make) {
            makeNode = new QTreeWidgetItem(m_tvTypes, {make});
            makeNode->setData(0, kTypeIdRole, 0);
        }
        auto* item = new QTreeWidgetItem(makeNode, {QString::fromUtf8(leaf.partNumber)});
        item->setData(0, kTypeIdRole, leaf.typeId);
        const int32_t size = findUnitType(leaf.typeId)->dumpSize;
        item->setToolTip(0, QStringLiteral("Takes a dump of %1 bytes (0x%2)")
                                .arg(size)
                                .arg(QString::number(size, 16).toUpper()));
    }
    m_tvTypes->collapseAll();
}

// During a check the lines are gathered and added to the memo in one piece when it ends: a memo
// grown line by line keeps a text layout for every line, several times the text's own size.
void TfrmDTCReader::append(std::string_view entry) {
    if (m_gatheringReport)
        m_newReport.append(reportToQString(entry));
    else
        m_mOutput->appendPlainText(reportToQString(entry));
}

void TfrmDTCReader::miOpenClick() {
    QFileDialog* dialog = openDialog();
    if (execFileDialog(dialog))
        openDump(dialog->selectedFiles().constFirst());
}

bool TfrmDTCReader::openDump(const QString& path) {
    QByteArray bytes;
    QString reason;
    if (!loadDumpFile(path, bytes, reason)) {
        showError(QStringLiteral("Cannot open file \"%1\". %2")
                      .arg(QDir::toNativeSeparators(path), reason));
        return false;
    }
    m_dump = std::move(bytes);
    m_dumpFileName = path;
    m_explainer->setDump(m_dump);
    m_lblStatusText->setText(QStringLiteral("File: ") + QDir::toNativeSeparators(path));
    m_lblStatusText->setToolTip(QDir::toNativeSeparators(path));
    UpdateCheckEnabled();
    markFittingTypes();
    m_mOutput->clear();
    m_warningBar->showFindings(
        checkRead(reinterpret_cast<const uint8_t*>(m_dump.constData()), size_t(m_dump.size())));
    markBestLeaves(m_tvTypes, m_dump);
    return true;
}

// Leaves whose type takes a dump of another size are dimmed, not disabled: picking one still
// runs the check, which then names the mismatch.
void TfrmDTCReader::markFittingTypes() {
    const QColor dimmed = m_tvTypes->palette().color(QPalette::Disabled, QPalette::Text);
    for (int i = 0; i < m_tvTypes->topLevelItemCount(); ++i) {
        QTreeWidgetItem* make = m_tvTypes->topLevelItem(i);
        for (int j = 0; j < make->childCount(); ++j) {
            QTreeWidgetItem* leaf = make->child(j);
            const UnitType* type = findUnitType(leaf->data(0, kTypeIdRole).toInt());
            const bool fits = type && qsizetype(type->dumpSize) == m_dump.size();
            leaf->setData(0, Qt::ForegroundRole, fits ? QVariant() : QVariant(QBrush(dimmed)));
        }
    }
}

void TfrmDTCReader::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void TfrmDTCReader::dropEvent(QDropEvent* event) {
    const QString path = droppedFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    openDump(path);
}

void TfrmDTCReader::miCompareClick() {
    QFileDialog* dialog = compareDialog();
    const QFileInfo dump(m_dumpFileName);
    if (dump.isAbsolute())
        dialog->setDirectory(dump.absolutePath());
    if (execFileDialog(dialog))
        compareWith(dialog->selectedFiles().constFirst());
}

bool TfrmDTCReader::compareWith(const QString& path) {
    QByteArray other;
    QString reason;
    if (!loadDumpFile(path, other, reason)) {
        showError(QStringLiteral("Cannot open file \"%1\". %2")
                      .arg(QDir::toNativeSeparators(path), reason));
        return false;
    }
    const DumpComparison comparison =
        compareDumps(reinterpret_cast<const uint8_t*>(m_dump.constData()), size_t(m_dump.size()),
                     reinterpret_cast<const uint8_t*>(other.constData()), size_t(other.size()));
    const QString text = QString::fromStdString(describeComparison(comparison));
    if (comparison.identical())
        QMessageBox::information(this, QString::fromUtf8(product::kName), text);
    else
        QMessageBox::warning(this, QString::fromUtf8(product::kName), text);
    return true;
}

void TfrmDTCReader::UpdateCheckEnabled() {
    m_miCheckDTC->setEnabled(!m_tvTypes->selectedItems().isEmpty() && !m_dump.isEmpty());
    miCompare->setEnabled(!m_dump.isEmpty());
}

void TfrmDTCReader::m_tvTypesChange() {
    UpdateCheckEnabled();
    if (const std::unique_ptr<ecuDTC> decoder = CreateSelectedDecoder()) {
        char info[kInfoTextSize] = {};
        decoder->getInfo(info);
        m_lblInfo->setText(reportToQString(info));
        m_pnlShowInfo->setVisible(true);
    } else {
        m_lblInfo->setText(QString());
        m_pnlShowInfo->setVisible(false);
    }
}

std::unique_ptr<ecuDTC> TfrmDTCReader::CreateSelectedDecoder() const {
    const QList<QTreeWidgetItem*> selected = m_tvTypes->selectedItems();
    if (selected.isEmpty())
        return nullptr;
    return createDecoder(selected.constFirst()->data(0, kTypeIdRole).toInt());
}

void TfrmDTCReader::m_miCheckDTCClick() {
    CheckDTC();
}

void TfrmDTCReader::CheckDTC() {
    const std::unique_ptr<ecuDTC> decoder = CreateSelectedDecoder();
    if (!decoder) {
        QMessageBox::critical(this, QString::fromUtf8(product::kName),
                              QString::fromUtf8(kNoDecoder));
        return;
    }
    const int firstNewLine = m_mOutput->document()->isEmpty() ? 0 : m_mOutput->blockCount();
    m_Ani->setVisible(true);
    m_gatheringReport = true;
    const bool decoded = RunDecoder(*decoder);
    m_gatheringReport = false;
    if (!m_newReport.isEmpty())
        m_mOutput->appendPlainText(m_newReport.join(QLatin1Char('\n')));
    m_newReport.clear();
    m_Ani->setVisible(false);
    if (!decoded) {
        showSizeMismatch(this, m_dump.size(), decoder->getDumpSize());
        return;
    }
    showReportFrom(firstNewLine);
    // With the type known, the read check also looks at the areas that its layout reads.
    m_warningBar->showFindings(
        checkRead(reinterpret_cast<const uint8_t*>(m_dump.constData()), size_t(m_dump.size()),
                  m_tvTypes->selectedItems().constFirst()->data(0, kTypeIdRole).toInt()));
}

// Scrolls the report so that `line`, the first of a new report, is the top line in view.
void TfrmDTCReader::showReportFrom(int line) {
    m_mOutput->setTextCursor(QTextCursor(m_mOutput->document()->findBlockByNumber(line)));
    // Without wrapping, one step of the scroll bar is one line.
    m_mOutput->verticalScrollBar()->setValue(line);
}

// Enter or a double click on a leaf runs the check; on a make node it only opens or closes it.
void TfrmDTCReader::m_tvTypesActivate(QTreeWidgetItem* item) {
    if (item && item->data(0, kTypeIdRole).toInt() != 0)
        m_miCheckDTC->trigger();
}

// Decoded with the bytes behind each entry recorded, for the hex view; the report text is the
// same as without.
bool TfrmDTCReader::RunDecoder(ecuDTC& decoder) {
    std::vector<ExplainedEntry> entries;
    if (explainDecoder(decoder, reinterpret_cast<const uint8_t*>(m_dump.constData()),
                       size_t(m_dump.size()), entries) != DecodeResult::Decoded)
        return false;
    const QTreeWidgetItem* leaf = m_tvTypes->selectedItems().constFirst();
    const QString unitType =
        leaf->parent() ? leaf->parent()->text(0) + u' ' + leaf->text(0) : leaf->text(0);
    m_explainer->appendReport(entries, unitType, [this](std::string_view text) { append(text); });
    return true;
}

QString TfrmDTCReader::proposedLogName() {
    const QFileInfo dump(m_dumpFileName);
    const QString baseName = dump.completeBaseName();
    if (baseName != QStringLiteral("0"))
        m_logFileName = QStringLiteral("%1_error_log.txt").arg(baseName);
    return m_logFileName;
}

void TfrmDTCReader::miSaveFileClick() {
    const QString proposal = proposedLogName();
    QFileDialog* dialog = saveDialog();
    const QFileInfo dump(m_dumpFileName);
    if (dump.isAbsolute())
        dialog->setDirectory(dump.absolutePath());
    dialog->selectFile(proposal);
    if (!execFileDialog(dialog))
        return;
    const QString path = dialog->selectedFiles().constFirst();
    m_logFileName = QFileInfo(path).fileName();
    if (dialog->selectedNameFilter() == QString::fromUtf8(kReportWithHeader))
        saveLog(path, recordHeader(m_dumpFileName, m_dump, m_explainer->checkedUnitType(),
                                   QDateTime::currentDateTime()));
    else
        saveLog(path);
}

bool TfrmDTCReader::saveLog(const QString& path, const QStringList& header) {
    QString reason;
    const LogWrite result = writeLogFile(path, reportLinesToFile(header + memoLines()), reason);
    if (result == LogWrite::Written)
        return true;
    const QString what = result == LogWrite::NotCreated ? QStringLiteral("Cannot create file")
                                                        : QStringLiteral("Cannot write file");
    showError(QStringLiteral("%1 \"%2\". %3").arg(what, QDir::toNativeSeparators(path), reason));
    return false;
}

QStringList TfrmDTCReader::memoLines() const {
    QStringList lines;
    const QTextDocument* document = m_mOutput->document();
    if (document->isEmpty())
        return lines;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        lines.append(block.text());
    return lines;
}

void TfrmDTCReader::miAboutClick() {
    centreOn(m_frmAbout, this);
    m_frmAbout->show();
    m_frmAbout->raise();
    m_frmAbout->activateWindow();
}

void TfrmDTCReader::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
    QMainWindow::changeEvent(event);
}

void TfrmDTCReader::FormActivate() {
    m_frmAbout->hide();
}

void TfrmDTCReader::m_miCloseClick() {
    close();
}

void TfrmDTCReader::showError(const QString& message) {
    QMessageBox::critical(this, QString::fromUtf8(product::kName), message);
}
