#include "profiles/Tfm_set.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QThread>
#include <QVBoxLayout>

#include "core/numeric.h"
#include "core/uilanguage.h"
#include "jobs/ConversionSession.h"
#include "profiles/ComboChoiceBox.h"
#include "shell/SideEffects.h"

namespace vc {

namespace {
const char* kSizeWarning = QT_TRANSLATE_NOOP(
    "vc::Tfm_set",
    "Invalid height or width, please input again or select from the pull-down menu.");

bool PositiveWhole(const std::string& t) {
    int64_t v = 0;
    return ParseInt(t, v) && v != 0;
}
}  // namespace

Tfm_set::Tfm_set(QWidget* parent) : QDialog(parent) {
    setObjectName("fm_set");
    setWindowTitle(tr("Settings"));
    setModal(true);

    GroupBox1 = new QGroupBox(tr("Format Settings"), this);
    GroupBox1->setObjectName("GroupBox1");
    auto* grid = new QGridLayout(GroupBox1);
    auto addRow = [&](int row, QLabel*& label, const char* labelName, const QString& text,
                      QComboBox*& box, const char* boxName, bool editable) {
        label = new QLabel(text, GroupBox1);
        label->setObjectName(labelName);
        box = new QComboBox(GroupBox1);
        box->setObjectName(boxName);
        box->setEditable(editable);
        box->setMinimumWidth(240);
        grid->addWidget(label, row, 0);
        grid->addWidget(box, row, 1);
    };
    addRow(0, Label1, "Label1", tr("Video Size:"), cb_size, "cb_size", true);
    addRow(1, Label2, "Label2", tr("Video Quality:"), cb_videobitrate, "cb_videobitrate", false);
    addRow(2, Label3, "Label3", tr("Audio Quality:"), cb_audiobitrate, "cb_audiobitrate", false);
    addRow(3, Label4, "Label4", tr("Channel:"), cb_channel, "cb_channel", false);
    cb_size->setToolTip(tr("Video Quality"));
    cb_size->setInsertPolicy(QComboBox::NoInsert);
    for (const char* q : kQualityNames) {
        ComboChoiceBox::AddTranslated(cb_videobitrate, q);
        ComboChoiceBox::AddTranslated(cb_audiobitrate, q);
    }
    for (const char* c : kChannelNames) ComboChoiceBox::AddTranslated(cb_channel, c);
    cb_channel->setCurrentIndex(1);
    // The combo box hands its focus-out to the line edit by a direct call, past any event
    // filter: watch where the keyboard goes instead, by key or by mouse.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        auto inside = [this](QWidget* w) {
            return w && (w == cb_size || cb_size->isAncestorOf(w));
        };
        if (inside(old) && !inside(now) && !checkingSize_) {
            checkingSize_ = true;
            CheckSize();
            checkingSize_ = false;
        }
    });

    rg_finish = new QGroupBox(tr("Output Settings"), this);
    rg_finish->setObjectName("rg_finish");
    rg_finishGroup = new QButtonGroup(this);
    auto* rl = new QVBoxLayout(rg_finish);
    const char* items[] = {QT_TR_NOOP("Do nothing after conversion finished"),
                           QT_TR_NOOP("Open the target folder after conversion finished"),
                           QT_TR_NOOP("Automatically shut down after conversion finished")};
    for (int i = 0; i < 3; ++i) {
        auto* r = new QRadioButton(tr(items[i]), rg_finish);
        r->setObjectName(QString("rg_finish_%1").arg(i));
        rg_finishGroup->addButton(r, i);
        rl->addWidget(r);
    }

    gb_run = new QGroupBox(tr("Conversions"), this);
    gb_run->setObjectName("gb_run");
    auto* runGrid = new QGridLayout(gb_run);
    Label5 = new QLabel(tr("Simultaneous conversions:"), gb_run);
    Label5->setObjectName("Label5");
    cb_jobs = new QComboBox(gb_run);
    cb_jobs->setObjectName("cb_jobs");
    cb_jobs->setToolTip(
        tr("Auto converts as many sound files at once as the computer has cores, and one "
           "video at a time: a video encoder uses every core already."));
    Label5->setBuddy(cb_jobs);
    SetJobsItem(0);
    chk_lowpriority = new QCheckBox(tr("Run conversions in the background (low priority)"), gb_run);
    chk_lowpriority->setObjectName("chk_lowpriority");
    chk_lowpriority->setChecked(true);
    runGrid->addWidget(Label5, 0, 0);
    runGrid->addWidget(cb_jobs, 0, 1);
    runGrid->setColumnStretch(2, 1);
    runGrid->addWidget(chk_lowpriority, 1, 0, 1, 3);

    gb_language = new QGroupBox(tr("Language"), this);
    gb_language->setObjectName("gb_language");
    auto* ll = new QVBoxLayout(gb_language);
    cb_language = new QComboBox(gb_language);
    cb_language->setObjectName("cb_language");
    cb_language->addItem(tr("System"), QString());
    cb_language->addItem(QStringLiteral("English"), QStringLiteral("en"));
    for (const ShippedLanguage& l : ShippedLanguages())
        cb_language->addItem(QString::fromUtf8(l.nativeName), QString::fromLatin1(l.code));
    lb_languagenote =
        new QLabel(tr("The language changes the next time the program starts."), gb_language);
    lb_languagenote->setObjectName("lb_languagenote");
    lb_languagenote->setWordWrap(true);
    ll->addWidget(cb_language);
    ll->addWidget(lb_languagenote);

    Button1 = new QPushButton(tr("OK"), this);
    Button1->setObjectName("Button1");
    Button1->setDefault(true);
    Button2 = new QPushButton(tr("Cancel"), this);
    Button2->setObjectName("Button2");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);

    auto* lay = new QVBoxLayout(this);
    lay->addWidget(GroupBox1);
    lay->addWidget(rg_finish);
    lay->addWidget(gb_run);
    lay->addWidget(gb_language);
    lay->addLayout(buttons);
    connect(Button1, &QPushButton::clicked, this, &Tfm_set::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &Tfm_set::Button2Click);
}

FormatBoxes Tfm_set::Boxes() {
    if (!size_) {
        size_ = std::make_unique<ComboChoiceBox>(cb_size);
        video_ = std::make_unique<ComboChoiceBox>(cb_videobitrate);
        audio_ = std::make_unique<ComboChoiceBox>(cb_audiobitrate);
        channel_ = std::make_unique<ComboChoiceBox>(cb_channel);
    }
    return {size_.get(), video_.get(), audio_.get(), channel_.get()};
}

void Tfm_set::Bind(ConversionSession* session) {
    session_ = session;
    connect(session_, &ConversionSession::changed, this, [this](ConversionSession::Change what) {
        if (what == ConversionSession::Change::Formats && !showing_) ShowSessionFormats();
    });
    for (QComboBox* box : {cb_size, cb_videobitrate, cb_audiobitrate, cb_channel})
        connect(box, &QComboBox::currentIndexChanged, this, &Tfm_set::TakeFormats);
    connect(cb_size, &QComboBox::editTextChanged, this, &Tfm_set::TakeFormats);
    ShowSessionFormats();
}

void Tfm_set::ShowSessionFormats() {
    showing_ = true;
    CopyChoices(session_->Formats(), Boxes());
    showing_ = false;
}

void Tfm_set::TakeFormats() {
    if (showing_ || !session_) return;
    showing_ = true;
    CopyChoices(Boxes(), session_->Formats());
    session_->FormatsEdited();
    showing_ = false;
}

int Tfm_set::FinishItem() const {
    return std::max(0, rg_finishGroup->checkedId());
}

void Tfm_set::SetFinishItem(int item) {
    if (auto* b = rg_finishGroup->button(item)) b->setChecked(true);
}

int Tfm_set::JobsItem() const {
    return cb_jobs->currentData().toInt();
}

void Tfm_set::SetJobsItem(int simultaneous) {
    // Rebuilt on each showing: a number chosen elsewhere above the cores is shown as it is.
    cb_jobs->clear();
    cb_jobs->addItem(tr("Auto"), 0);
    const int most = std::max(QThread::idealThreadCount(), simultaneous);
    for (int n = 1; n <= most; ++n) cb_jobs->addItem(QString::number(n), n);
    cb_jobs->setCurrentIndex(std::max(0, cb_jobs->findData(simultaneous)));
    // Wide enough for "Auto" in every language, with room for the arrow.
    cb_jobs->setMinimumWidth(ComboChoiceBox::WidestItemWidth(cb_jobs) + 40);
}

void Tfm_set::showEvent(QShowEvent* e) {
    if (session_) {
        SetFinishItem(static_cast<int>(session_->Finish()));
        SetJobsItem(session_->SimultaneousConversions());
        chk_lowpriority->setChecked(session_->LowPriority());
    }
    const int language = cb_language->findData(LoadLanguageSetting());
    cb_language->setCurrentIndex(language < 0 ? 0 : language);
    if (parentWidget()) move(parentWidget()->geometry().center() - rect().center());
    QDialog::showEvent(e);
}

void Tfm_set::Button1Click() {
    const QString language = cb_language->currentData().toString();
    if (language != LoadLanguageSetting() && !SaveLanguageSetting(language) && effects)
        effects->Error(this,
                       tr("The language cannot be saved to \"%1\".").arg(LanguageSettingPath()));
    if (session_) {
        session_->SetFinish(static_cast<ConversionSession::FinishAction>(FinishItem()));
        session_->SetSimultaneousConversions(JobsItem());
        session_->SetLowPriority(chk_lowpriority->isChecked());
        const std::string error = session_->RememberFormats();
        if (!error.empty() && effects) effects->Error(this, QString::fromStdString(error));
    }
    accept();
}

// Cancel undoes nothing: box changes stay in force, only the finish choice and how a batch
// runs are dropped.
void Tfm_set::Button2Click() {
    reject();
}

int Tfm_set::CheckSize() {
    const std::string text = Boxes().size->currentText();
    if (text == kKeepSourceSize) return 0;
    std::string w, h;
    size_t x = text.find('x');
    if (x != std::string::npos) {
        w = text.substr(0, x);
        h = text.substr(x + 1);
        size_t paren = h.find('(');
        if (paren != std::string::npos) h = h.substr(0, paren);
    }
    int warnings = 0;
    for (const std::string* part : {&w, &h}) {
        if (!PositiveWhole(*part)) {
            ++warnings;
            if (effects) effects->Warning(this, tr(kSizeWarning));
        }
    }
    return warnings;
}

}  // namespace vc
