#include "ui/frmZaklad.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "core/alignment.h"
#include "core/exerciseengine.h"
#include "core/mainlayout.h"
#include "core/targettext.h"
#include "core/twips.h"
#include "storage/optionsstartup.h"
#include "ui/application.h"
#include "ui/colours.h"
#include "ui/dictationpanel.h"
#include "ui/fonts.h"
#include "ui/messages.h"
#include "ui/named.h"
#include "ui/soundsetup.h"
#include "ui/soundstartup.h"
#include "ui/targettextlabel.h"
#include "ui/textconvert.h"
#include "ui/textholder.h"
#include "ui/typingbox.h"

namespace tymba {
namespace {

// The lesson lines and the target labels start this far from the left edge.
constexpr int kTextLeftTwips = 1080;
// The time bar's frame.
constexpr int kTimeBarWidthTwips = 2400;
// A limit indicator's frame; at rest its bar stands at the half, the limit.
constexpr int kLimitFrameWidthTwips = 1950;
// The panel of the lesson's limits and error list, to the right of its lines.
constexpr int kRightPanelWidthTwips = 3000;

QLabel* namedLabel(const QString& name, const QString& caption, QWidget* parent) {
  auto* label = named(new QLabel(caption, parent), name);
  label->setTextFormat(Qt::PlainText);
  return label;
}

QString arrayName(const char* name, int index) {
  return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

}  // namespace

frmZaklad::frmZaklad(AppContext& context, QWidget* parent)
    : QMainWindow(parent), context_(context) {
  setObjectName(QStringLiteral("frmZaklad"));
  setWindowTitle(QStringLiteral("Tymba "));
  registerFontSubstitutes();

  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(8, 8, 8, 8);

  auto* infoPanel = new QWidget(central);
  buildInfoPanel(infoPanel);
  layout->addWidget(infoPanel);

  // The lesson panel lies over the exercise viewport; showing it hides the
  // viewport underneath.
  auto* textArea = new QWidget(central);
  auto* textLayout = new QGridLayout(textArea);
  textLayout->setContentsMargins(0, 0, 0, 0);
  picZadani = named(new QWidget(textArea), QStringLiteral("picZadani"));
  picVZadani = named(new QWidget(textArea), QStringLiteral("picVZadani"));
  // The lesson's limits and error list stand in a panel to the right of its
  // lines, shown with them.
  picVpravo = named(new QWidget(textArea), QStringLiteral("picVpravo"));
  textLayout->addWidget(picZadani, 0, 0, 1, 2);
  textLayout->addWidget(picVZadani, 0, 0);
  textLayout->addWidget(picVpravo, 0, 1);
  textLayout->setColumnStretch(0, 1);
  textLayout->setHorizontalSpacing(0);  // the viewport would show between the two
  buildExercisePanel();
  buildLessonPanel();
  layout->addWidget(textArea, 3);

  Picture1 = named(new QWidget(central), QStringLiteral("Picture1"));
  buildInputPanel(Picture1);
  layout->addWidget(Picture1, 2);
  // The dictation panel stands between the text and the input box.
  buildDictationPanel();
  layout->insertWidget(layout->indexOf(Picture1), picDiktafon);

  setCentralWidget(central);
  buildTimersAndActions();
  buildMenus();

  setMinimumSize(twipsToPixels(kMinimumWindowWidth), twipsToPixels(kMinimumWindowHeight));
  fitToScreen();

  // Nothing is prepared at start: the window waits idle.
  showLessonPanel(false);
  txtVysledek->hide();
  txtVVysledek->hide();
  Form_Load();
}

void frmZaklad::Form_Load() {
  // The sound first: the options read below load the sound files only while
  // there is sound.
  soundSetUp(context_);
  menuItem("miDiktafon")->setEnabled(context_.stav.ZvukPripraven);
  // The program still works when its settings cannot be kept; the user is
  // told once what became of them.
  const OptionsLoad load = loadOptionsAtStartup(context_.settings, context_.stav, context_.folders,
                                                startupSoundHooks(context_));
  if (!load.setAside.empty()) {
    context_.messages.show(
        QStringLiteral("Soubor s nastavením programu byl poškozen, proto byl přejmenován na "
                       "\"%1\" a platí výchozí nastavení.")
            .arg(QString::fromStdString(load.setAside.filename().string())),
        QStringLiteral("Chyba"), MessageIcon::Critical);
  }
  if (load.unreadable) {
    context_.messages.show(
        QStringLiteral(
            "Nastavení programu nelze přečíst ani uložit, proto platí výchozí nastavení."),
        QStringLiteral("Chyba"), MessageIcon::Critical);
  } else if (!load.writeError.empty()) {
    context_.messages.show(QStringLiteral("Nastavení programu nelze uložit, proto chybějící volby "
                                          "platí s výchozími hodnotami jen do ukončení programu."),
                           QStringLiteral("Přerušení"), MessageIcon::Exclamation);
  }
  applyOptions();
  placeTargetLabels();
  // The user files' folder, made in the user's data folder on the first start.
  std::error_code error;
  const auto users = context_.folders.userFolder("\\Uzivatele", error);
  if (error) {
    context_.messages.show(QStringLiteral("Složku '%1' nelze vytvořit, proto nelze ukládat "
                                          "výsledky ani uživatele.")
                               .arg(QString::fromStdString(users.string())),
                           QStringLiteral("Chyba"), MessageIcon::Critical);
  }
}

// Shows the options that the main window itself displays: the bands behind
// the target lines and their colours, the colour and size of the text.
void frmZaklad::applyOptions() {
  const Nastaveni& options = context_.stav.nastaveni;
  const QPalette palette = QApplication::palette();
  const auto paint = [](QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    if (!colour.isValid()) return;
    QPalette own = widget->palette();
    own.setColor(role, colour);
    widget->setPalette(own);
  };
  for (int k = 0; k < 10; ++k) {
    lblLinka[k]->setVisible(options.Pozadi == 1);
    lblLinka1[k]->setVisible(options.Pozadi == 1);
    paint(lblLinka[k], QPalette::Window, colourFromSetting(options.Barva, palette));
    paint(lblLinka1[k], QPalette::Window, colourFromSetting(options.Barva2, palette));
  }
  const QColor textColour = colourFromSetting(options.BarvaPisma, palette);
  for (TargetTextLabel* label : lblZadani) paint(label, QPalette::WindowText, textColour);
  applyFontSize();
}

frmZaklad::~frmZaklad() {
  // The children outlive this class's part of the object: the base class
  // deletes them, and on the way the lesson box loses the focus. Nothing they
  // signal may reach this window's handlers once its own destructor has run.
  for (QObject* child : findChildren<QObject*>()) child->disconnect(this);
}

void frmZaklad::buildInfoPanel(QWidget* panel) {
  infoPanel_ = panel;
  panel->installEventFilter(this);
  Label4 = namedLabel(QStringLiteral("Label4"), QStringLiteral("Identita uživatele"), panel);
  for (int i = 0; i < 2; ++i)
    lblIdentita[i] = namedLabel(arrayName("lblIdentita", i), QStringLiteral("Hlavní"), panel);
  Label5 = namedLabel(QStringLiteral("Label5"), QStringLiteral("Název testu:"), panel);
  lblNazev = namedLabel(QStringLiteral("lblNazev"), QString(), panel);
  Label10 = namedLabel(QStringLiteral("Label10"), QStringLiteral("Doba testu:"), panel);
  lblDoba = namedLabel(QStringLiteral("lblDoba"), QString(), panel);
  label9 = namedLabel(QStringLiteral("label9"), QStringLiteral("Ztráta úhozů za chybu:"), panel);
  lblZtrata = namedLabel(QStringLiteral("lblZtrata"), QString(), panel);
  Label6 = namedLabel(QStringLiteral("Label6"), QStringLiteral("Zahájení testu:"), panel);
  lblZahajeni = namedLabel(QStringLiteral("lblZahajeni"), QString(), panel);
  for (int i = 0; i < 2; ++i) {
    lblMinuta[i] = namedLabel(arrayName("lblMinuta", i), QStringLiteral("00"), panel);
    lblSekunda[i] = namedLabel(arrayName("lblSekunda", i), QStringLiteral("00"), panel);
  }
  lblDvojtecka = namedLabel(QStringLiteral("lblDvojtecka"), QStringLiteral(":"), panel);
  // The second items repeat the first ones for the lesson view's corner.
  lblIdentita[1]->hide();
  lblMinuta[1]->hide();
  lblSekunda[1]->hide();

  QFont clockFont = font();
  clockFont.setPointSize(clockFont.pointSize() + 8);
  clockFont.setBold(true);
  for (QLabel* label : {lblMinuta[0], lblDvojtecka, lblSekunda[0]}) label->setFont(clockFont);
  lblMinuta[0]->setAlignment(Qt::AlignHCenter);  // as far from the colon as the seconds

  buildTimeBar(panel);
  for (QLabel* caption : {label9, Label6}) caption->setAlignment(Qt::AlignRight);
  panel->setFixedHeight(infoPanelHeight());
}

// The time bar: the elapsed part grows inside a fixed frame.
QWidget* frmZaklad::buildTimeBar(QWidget* parent) {
  lblKonecna = named(new QFrame(parent), QStringLiteral("lblKonecna"));
  lblKonecna->setFrameShape(QFrame::Box);
  lblKonecna->setFixedSize(twipsToPixels(kTimeBarWidthTwips), 8);
  lblZacatek = named(new QFrame(lblKonecna), QStringLiteral("lblZacatek"));
  lblZacatek->setAutoFillBackground(true);
  lblZacatek->setBackgroundRole(QPalette::Highlight);
  setBar(lblZacatek, kEmptyBarTwips);
  return lblKonecna;
}

// Speed and errors of a lesson run against its limits: a bar that is half
// full at the limit, the value and how far above or below the limit it is.
QWidget* frmZaklad::buildLimitFrame(QWidget* parent) {
  auto* frame = named(new QGroupBox(QStringLiteral("Limity"), parent), QStringLiteral("frmLimity"));
  auto* grid = new QGridLayout(frame);
  grid->setContentsMargins(6, 2, 6, 2);
  const auto indicator = [&](int row, const QString& caption, const char* frameName,
                             const char* barName, const char* valueName, const char* percentName,
                             QFrame*& barFrame, QFrame*& bar, QLabel*& value, QLabel*& percent) {
    barFrame = named(new QFrame(frame), QString::fromLatin1(frameName));
    barFrame->setFrameShape(QFrame::Box);
    barFrame->setFixedSize(twipsToPixels(kLimitFrameWidthTwips), 10);
    bar = named(new QFrame(barFrame), QString::fromLatin1(barName));
    bar->setAutoFillBackground(true);
    bar->setBackgroundRole(QPalette::Highlight);
    value = namedLabel(QString::fromLatin1(valueName), QStringLiteral("0"), frame);
    percent = namedLabel(QString::fromLatin1(percentName), QStringLiteral("0 %"), frame);
    // The caption and the values above the bar: the frame stays narrow
    // enough for the panel beside the lesson lines.
    percent->setAlignment(Qt::AlignRight);
    grid->addWidget(new QLabel(caption, frame), 2 * row, 0);
    grid->addWidget(value, 2 * row, 1);
    grid->addWidget(percent, 2 * row, 2);
    grid->addWidget(barFrame, 2 * row + 1, 0, 1, 3);
  };
  indicator(0, QStringLiteral("Rychlost"), "picLimitRychlosti", "lblZRychlost", "lblRychlost",
            "lblProcentoRychlosti", picLimitRychlosti, lblZRychlost, lblRychlost,
            lblProcentoRychlosti);
  indicator(1, QStringLiteral("Chyby"), "picLimitChyby", "lblCChyby", "lblChyby", "lblProcentoChyb",
            picLimitChyby, lblCChyby, lblChyby, lblProcentoChyb);
  setBar(lblZRychlost, kLimitBarRestTwips);
  setBar(lblCChyby, kLimitBarRestTwips);
  return frame;
}

void frmZaklad::setBar(QFrame* bar, int widthTwips) {
  const auto* frame = static_cast<QWidget*>(bar->parent());
  const int width = std::clamp(twipsToPixels(widthTwips), 0, frame->width());
  bar->setGeometry(0, 0, width, frame->height());
}

void frmZaklad::buildExercisePanel() {
  picZadani->setAutoFillBackground(true);
  picZadani->setBackgroundRole(QPalette::Base);
  picZadani->installEventFilter(this);
  for (int k = 0; k < 10; ++k) {
    lblLinka[k] = named(new QFrame(picZadani), arrayName("lblLinka", k + 1));
    lblLinka1[k] = named(new QFrame(picZadani), arrayName("lblLinka1", k + 1));
    for (QFrame* band : {lblLinka[k], lblLinka1[k]}) {
      band->setAutoFillBackground(true);
      // Its own role: the viewport's white base would otherwise be inherited.
      band->setBackgroundRole(QPalette::Window);
    }
  }
  // The text panel is transparent, so the bands show behind its lines.
  picPozadi = named(new QWidget(picZadani), QStringLiteral("picPozadi"));
  for (int i = 0; i < 3; ++i) {
    lblZadani[i] = named(new TargetTextLabel(picPozadi), arrayName("lblZadani", i + 1));
    lblZadani[i]->hide();
  }
  lblVelikostPisma = namedLabel(QStringLiteral("lblVelikostPisma"), QStringLiteral("W"), picZadani);
  lblVelikostPisma->hide();
  rtbZadani = named(new TextHolder(this), QStringLiteral("rtbZadani"));
}

void frmZaklad::buildLessonPanel() {
  picVZadani->setAutoFillBackground(true);
  picVZadani->installEventFilter(this);
  picVZadani->setBackgroundRole(QPalette::Base);
  for (int i = 0; i < 11; ++i) lblRadek[i] = namedLabel(arrayName("lblRadek", i), {}, picVZadani);
  Shape1 = named(new QFrame(picVZadani), QStringLiteral("Shape1"));
  Shape1->setAutoFillBackground(true);
  Shape1->setBackgroundRole(QPalette::Highlight);
  auto* right = new QVBoxLayout(picVpravo);
  right->setContentsMargins(6, 0, 0, 0);
  picVpravo->setFixedWidth(twipsToPixels(kRightPanelWidthTwips));
  picVpravo->setAutoFillBackground(true);  // the bands behind it stay hidden
  frmLimity = buildLimitFrame(picVpravo);
  frmLimity->hide();
  lstSeznamChyb = named(new QListWidget(picVpravo), QStringLiteral("lstSeznamChyb"));
  lstSeznamChyb->setFocusPolicy(Qt::ClickFocus);
  right->addWidget(frmLimity);
  right->addWidget(lstSeznamChyb, 1);
}

void frmZaklad::buildInputPanel(QWidget* panel) {
  auto* layout = new QVBoxLayout(panel);
  layout->setContentsMargins(0, 0, 0, 0);
  txtVysledek = named(new TypingBox(panel), QStringLiteral("txtVysledek"));
  txtVysledek->setDeletingAllowed([this] { return !context_.stav.BezMazani || dictationShown(); });
  txtVysledek->setKeyDownHandler([this](QKeyEvent* e) { return txtVysledek_KeyDown(e); });
  connect(txtVysledek, &TypingBox::changed, this, &frmZaklad::txtVysledek_Change);

  txtVVysledek = named(new TypingBox(panel), QStringLiteral("txtVVysledek"));
  txtVVysledek->setKeyDownHandler([this](QKeyEvent* e) { return txtVVysledek_KeyDown(e); });
  txtVVysledek->setKeyPressHandler([this](QKeyEvent* e) { return txtVVysledek_KeyPress(e); });
  txtVVysledek->setKeyUpHandler([this](QKeyEvent* e) { return txtVVysledek_KeyUp(e); });
  txtVVysledek->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  txtVVysledek->setLineWrapMode(QPlainTextEdit::NoWrap);
  connect(txtVVysledek, &TypingBox::changed, this, &frmZaklad::txtVVysledek_Change);
  connect(txtVVysledek, &TypingBox::lostFocus, this, &frmZaklad::txtVVysledek_LostFocus);

  txtVysledek1 = named(new QPlainTextEdit(panel), QStringLiteral("txtVysledek1"));
  txtVysledek1->hide();

  layout->addWidget(txtVysledek, 1);
  layout->addWidget(txtVVysledek);
  layout->addWidget(buildKeyboardGuide(panel), 1);
}

void frmZaklad::buildTimersAndActions() {
  const auto timer = [this](const char* name, int interval) {
    auto* t = named(new QTimer(this), QString::fromLatin1(name));
    t->setInterval(interval);
    return t;
  };
  tmrCasik = timer("tmrCasik", 980);
  tmrCas = timer("tmrCas", 1);
  tmrCas->setTimerType(Qt::PreciseTimer);
  tmrLimit = timer("tmrLimit", 50);
  tmrVypnuti = timer("tmrVypnuti", 1000);
  tmrPosun1 = timer("tmrPosun1", 50);
  connect(tmrCasik, &QTimer::timeout, this, &frmZaklad::tmrCasik_Timer);
  connect(tmrCas, &QTimer::timeout, this, &frmZaklad::tmrCas_Timer);
  connect(tmrLimit, &QTimer::timeout, this, &frmZaklad::tmrLimit_Timer);
  connect(tmrVypnuti, &QTimer::timeout, this, &frmZaklad::tmrVypnuti_Timer);
  connect(tmrPosun1, &QTimer::timeout, this, &frmZaklad::tmrPosun1_Timer);

  miZnovu = named(new QAction(QStringLiteral("Začít &znovu"), this), QStringLiteral("miZnovu"));
  miZnovu->setEnabled(false);
  miUlozit =
      named(new QAction(QStringLiteral("Uložit &jako..."), this), QStringLiteral("miUlozit"));
  miUlozit->setEnabled(false);
  miZnovu->setShortcut(Qt::Key_F2);
  connect(miZnovu, &QAction::triggered, this, &frmZaklad::miZnovu_Click);
  miVyhodnoceniTestu = named(new QAction(QStringLiteral("V&yhodnocení testu ..."), this),
                             QStringLiteral("miVyhodnoceniTestu"));
  miVyhodnoceniTestu->setShortcut(Qt::Key_F5);
  connect(miVyhodnoceniTestu, &QAction::triggered, this, &frmZaklad::miVyhodnoceniTestu_Click);
}

int frmZaklad::lineHeightPixels() const {
  return twipsToPixels(lineHeightTwips(context_.stav.nastaveni.Pismo));
}

// Puts the three copies one below the other, the first a line from the top,
// each one line shorter than its text (the line its final break opens).
void frmZaklad::placeTargetLabels() {
  const int width = twipsToPixels(targetLabelWidth(pixelsToTwips(picZadani->width())));
  const int left = twipsToPixels(kTextLeftTwips);
  int top = twipsToPixels(fontSizeLayout(context_.stav.nastaveni.Pismo).targetTop);
  for (TargetTextLabel* label : lblZadani) {
    label->setGeometry(left, top, width, label->height());
    const int height = std::max(0, label->autoHeight() - lineHeightPixels());
    label->setGeometry(left, top, width, height);
    top += height;
  }
  fitTargetPanel();
}

void frmZaklad::fitTargetPanel() {
  int bottom = picZadani->height();
  for (const TargetTextLabel* label : lblZadani)
    bottom = std::max(bottom, label->geometry().bottom() + 1);
  picPozadi->resize(picZadani->width(), bottom);
}

bool frmZaklad::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Resize) {
    if (watched == picZadani) layoutExercisePanel();
    if (watched == picVZadani) layoutLessonPanel();
    if (watched == infoPanel_) placeInfoPanel();
  }
  return QMainWindow::eventFilter(watched, event);
}

void frmZaklad::layoutLessonPanel() {
  const int left = twipsToPixels(kTextLeftTwips);
  const int lineWidth = twipsToPixels(lessonLineWidth(pixelsToTwips(picVZadani->width())));
  const int lineHeight = lineHeightPixels();
  for (int i = 0; i < 11; ++i)
    lblRadek[i]->setGeometry(left, lineHeight * (i + 1), lineWidth, lineHeight);
  renderLessonDisplay();
}

// A new width wraps the target text anew; the copies keep their place.
void frmZaklad::layoutExercisePanel() {
  placeBands();
  const int top = lblZadani[0]->y();
  placeTargetLabels();
  int y = top;
  for (TargetTextLabel* label : lblZadani) {
    label->move(label->x(), y);
    y += label->height();
  }
  fitTargetPanel();
}

}  // namespace tymba
