#include "app/StationForm.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QGridLayout>
#include <QProcess>
#include <QScrollArea>
#include <memory>
#include <vector>

#include "app/ChildProcess.h"
#include "app/Language.h"
#include "app/Station.h"
#include "app/StationFormControls.h"
#include "app/YieldChart.h"
#include "app/Widgets.h"
#include "images/CodeBuffer.h"

namespace C = StationFormControls;

namespace {

constexpr int TileColumns = 4;
// How long closing the window waits for the fixtures to stop.
constexpr int CloseWaitMs = 10000;

// The widgets a tile updates are kept at hand: eight fixtures report many
// lines a second.
struct Tile {
  QGroupBox* frame = nullptr;
  QComboBox* port = nullptr;
  QLineEdit* name = nullptr;
  QLabel *state = nullptr, *phase = nullptr, *chip = nullptr, *verify = nullptr, *errors = nullptr, *last = nullptr,
         *count = nullptr, *message = nullptr;
  QProgressBar* bar = nullptr;
  QPushButton* start = nullptr;
  QProcess* process = nullptr;
  TileView view;
};

struct Station {
  Ambrelin& app;
  std::string cli;
  QWidget* window = nullptr;
  QGridLayout* grid = nullptr;
  std::vector<std::unique_ptr<Tile>> tiles;
  YieldChart* chart = nullptr;
  bool building = true;  // the widgets are being filled from the settings
};

template <typename W>
W* Part(QWidget* in, Control c) {
  return in->findChild<W*>(Qs(c.name));
}

QString Field(Station& s, Control c) { return Part<QLineEdit>(s.window, c)->text(); }

bool Locked(Station& s) { return Part<QPushButton>(s.window, C::StationButtonLock)->isChecked(); }

bool AnyRunning(const Station& s) {
  return std::any_of(s.tiles.begin(), s.tiles.end(), [](const auto& t) { return t->view.running; });
}

StationSetup Setup(Station& s) {
  StationSetup setup;
  for (const auto& t : s.tiles) setup.fixtures.push_back({Std(t->port->currentText()), Std(t->name->text())});
  setup.image = Std(Field(s, C::StationTextFileName));
  setup.log = Std(Field(s, C::StationTextLog));
  setup.expect = Std(Field(s, C::StationTextExpect));
  setup.operatorName = Std(Field(s, C::StationTextOperator));
  setup.order = Std(Field(s, C::StationTextOrder));
  setup.station = Std(Field(s, C::StationTextStation));
  setup.target = Part<QComboBox>(s.window, C::StationSelectTarget)->currentIndex() + 1;
  setup.fill00 = Part<QRadioButton>(s.window, C::StationOptionFull0x00)->isChecked();
  setup.autoRepeat = Part<QCheckBox>(s.window, C::StationCheckAutoBurn)->isChecked();
  setup.locked = Locked(s);
  return setup;
}

void Save(Station& s) {
  if (!s.building) SaveStation(s.app.settings, Setup(s));
}

// What may be changed now: nothing while locked, and neither the station's
// image and options nor a fixture's port while a fixture burns with them.
void Enable(Station& s) {
  const bool settings = !Locked(s) && !AnyRunning(s);
  for (Control c : {C::StationTextFileName, C::StationButtonOpenFile, C::StationSelectTarget, C::StationOptionFull0x00,
                    C::StationOptionFull0xff, C::StationCheckAutoBurn, C::StationTextExpect, C::StationTextLog,
                    C::StationTextOperator, C::StationTextOrder, C::StationTextStation})
    s.window->findChild<QWidget*>(Qs(c.name))->setEnabled(settings);
  Part<QPushButton>(s.window, C::StationButtonAddFixture)->setEnabled(!Locked(s));
  for (const auto& t : s.tiles) {
    const bool tile = !Locked(s) && !t->view.running;
    for (Control c : {C::TileSelectPort, C::TileTextName, C::TileButtonRemove})
      t->frame->findChild<QWidget*>(Qs(c.name))->setEnabled(tile);
  }
}

void ShowImage(Station& s) {
  const std::string path = Std(Field(s, C::StationTextFileName));
  QLabel* name = Part<QLabel>(s.window, C::StationLabelCodeName);
  QLabel* sum = Part<QLabel>(s.window, C::StationLabelCodeSum);
  QLabel* sha = Part<QLabel>(s.window, C::StationLabelSha256);
  const auto colour = [](QLabel* label, bool red) {
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, red ? QColor(0xC62828) : QColor(Qt::black));
    label->setPalette(p);
  };
  if (path.empty()) {
    name->setText(Qs(C::StationLabelCodeName.caption));
    sum->setText(Qs(C::StationLabelCodeSum.caption));
    sha->setText(Qs(C::StationLabelSha256.caption));
    colour(name, false);
    colour(sum, false);
    return;
  }
  const uint8_t fill = Part<QRadioButton>(s.window, C::StationOptionFull0x00)->isChecked() ? 0x00 : 0xFF;
  const ImageFacts facts = ReadStationImage(s.app, path, fill);
  const QString file = QFileInfo(Qs(path)).fileName();
  name->setText(facts.error.empty() ? QString("名称: %1  %2").arg(file, Qs(facts.name))
                                    : QString("名称: %1  %2").arg(file, Qs(facts.error)));
  colour(name, !facts.error.empty());
  sum->setText(facts.error.empty() ? Qs("校验: 0x" + HexText(static_cast<uint32_t>(facts.checksum)))
                                   : Qs(C::StationLabelCodeSum.caption));
  // A checksum other than the one the line expects reads red before any start.
  colour(sum, !facts.error.empty() || !ChecksumMatches(Std(Field(s, C::StationTextExpect)), facts.checksum));
  sha->setText("SHA-256: " + (facts.sha256.empty() ? QString("----") : Qs(facts.sha256)));
}

void ShowTile(Station& s, Tile& t) {
  const TileView& v = t.view;
  QLabel* state = t.state;
  state->setText(Qs(TileStateText(s.app, v.state)));
  const QColor colour(static_cast<QRgb>(TileColour(v.state)));
  // A new palette repaints the whole label: only when the state changes.
  if (state->palette().color(QPalette::Window) != colour) {
    QPalette p = state->palette();
    p.setColor(QPalette::Window, colour);
    p.setColor(QPalette::WindowText, Qt::white);
    state->setPalette(p);
  }
  t.phase->setText(Qs(v.stopping ? "stopping" : v.phase));
  t.bar->setValue(v.percent);
  t.chip->setText(Qs("芯片: " + (v.chip.empty() ? "----" : v.chip)));
  t.verify->setText(Qs("校验: " + (v.verifySum.empty() ? "----" : v.verifySum)));
  t.errors->setText(QString("出错: %1").arg(v.errors));
  t.last->setText(Qs("上一个: " + (v.lastUnit.empty() ? "--:--:--" : v.lastUnit)));
  t.count->setText(QString("良品: %1  不良: %2").arg(v.good).arg(v.failed));
  t.message->setText(Qs(v.message));
  t.message->setVisible(!v.message.empty());
  t.start->setText(v.running ? "停止" : Qs(C::TileButtonStart.caption));
}

void Stop(Tile& t) {
  // One signal: the process stops its burn as Ctrl-C would; a second would
  // end it without its clean-up.
  if (!t.process || t.view.stopping) return;
  t.view.stopping = true;
  AskToStop(*t.process);
}

Fixture FixtureOf(const Tile& t) { return {Std(t.port->currentText()), Std(t.name->text())}; }

void Ended(Station& s, Tile& t, bool crashed) {
  while (t.process->canReadLine()) TileLine(t.view, t.process->readLine().trimmed().toStdString());
  TileEnded(t.view, crashed);
  s.chart->Refresh(Setup(s).log);
  t.process->deleteLater();
  t.process = nullptr;
  ShowTile(s, t);
  Enable(s);
}

// Runs a burn on the fixture, or with `check` only asks its unit for the chip.
void Run(Station& s, Tile& t, bool check) {
  if (t.view.running) return;
  const StationSetup setup = Setup(s);
  const Fixture fixture = FixtureOf(t);
  TileStarted(t.view);
  if ((!check && setup.image.empty()) || PortOfEntry(fixture.port).empty()) {
    t.view.running = false;
    t.view.state = TileState::Failed;
    t.view.message = setup.image.empty() ? ByLanguage(s.app, "没有升级文件", "No image chosen")
                                         : ByLanguage(s.app, "没有选择串口", "No port chosen");
    return ShowTile(s, t);
  }
  auto* child = new QProcess(s.window);
  t.process = child;
  Tile* tile = &t;
  Station* station = &s;
  // A station that goes away stops its fixtures as their stop button would.
  StopWithParent(*child);
  QObject::connect(child, &QProcess::readyReadStandardOutput, child, [station, tile, child] {
    bool unit = false;
    while (child->canReadLine()) {
      const std::string line = child->readLine().trimmed().toStdString();
      unit = unit || line.starts_with("{\"unit\":");
      TileLine(tile->view, line);
    }
    // The children have written the unit's log line by the time they report it.
    if (unit) station->chart->Refresh(Setup(*station).log);
    ShowTile(*station, *tile);
  });
  QObject::connect(child, &QProcess::readyReadStandardError, child, [station, tile, child] {
    const QStringList lines = QString::fromUtf8(child->readAllStandardError()).split('\n', Qt::SkipEmptyParts);
    if (!lines.isEmpty()) tile->view.message = Std(lines.last());
    ShowTile(*station, *tile);
  });
  QObject::connect(child, &QProcess::finished, child, [station, tile](int, QProcess::ExitStatus status) {
    Ended(*station, *tile, status == QProcess::CrashExit);
  });
  QObject::connect(child, &QProcess::errorOccurred, child, [station, tile, child](QProcess::ProcessError error) {
    if (error != QProcess::FailedToStart) return;
    tile->view.message = Std(child->errorString());
    Ended(*station, *tile, true);
  });
  QStringList args;
  for (const std::string& arg : check ? CheckArguments(setup, fixture) : ChildArguments(setup, fixture)) args << Qs(arg);
  child->start(Qs(s.cli), args);
  ShowTile(s, t);
  Enable(s);
}

void Start(Station& s, Tile& t) { Run(s, t, false); }

void StartAll(Station& s) {
  for (const auto& t : s.tiles) Start(s, *t);
}

void CheckAll(Station& s) {
  for (const auto& t : s.tiles) Run(s, *t, true);
}

void StopAll(Station& s) {
  for (const auto& t : s.tiles) Stop(*t);
}

// Tiles are numbered as they stand, from 1.
void Arrange(Station& s) {
  for (size_t k = 0; k < s.tiles.size(); ++k) {
    QGroupBox* frame = s.tiles[k]->frame;
    frame->setObjectName(QString("StationTile%1").arg(k + 1));
    s.grid->addWidget(frame, static_cast<int>(k) / TileColumns, static_cast<int>(k) % TileColumns);
  }
}

void Remove(Station& s, Tile& t) {
  if (t.view.running || Locked(s)) return;
  const auto at = std::find_if(s.tiles.begin(), s.tiles.end(), [&t](const auto& p) { return p.get() == &t; });
  s.grid->removeWidget(t.frame);
  // Its own button is being clicked: the frame goes once the click is done.
  t.frame->hide();
  t.frame->deleteLater();
  s.tiles.erase(at);
  Arrange(s);
  Save(s);
}

// The ports as the main window lists them, with the adapter's identity.
void ListPorts(Station& s, QComboBox* combo) {
  const QString chosen = combo->currentText();
  combo->clear();
  const auto ports = s.app.port.Ports();
  for (const auto& [n, device] : ports) {
    const std::string identity = s.app.port.Identity(n);
    combo->addItem(Qs("COM" + std::to_string(n) + " (" + device + (identity.empty() ? "" : " " + identity) + ")"));
  }
  combo->setCurrentIndex(-1);
  combo->setEditText(chosen);
}

// The identity part of a listed entry: "COM3 (/dev/ttyUSB0 0403:6001 X)" gives "0403:6001 X".
QString Adapter(const QString& entry) {
  const qsizetype open = entry.indexOf(" (");
  if (!entry.startsWith("COM") || open < 0) return {};
  const QString inside = entry.mid(open + 2).chopped(entry.endsWith(')') ? 1 : 0);
  const qsizetype blank = inside.indexOf(' ');
  return blank < 0 ? QString() : inside.mid(blank + 1);
}

QLabel* BigLabel(Control c, int points) {
  QLabel* label = NewLabel(c);
  QFont font = label->font();
  font.setPointSize(points);
  font.setBold(true);
  label->setFont(font);
  return label;
}

QPushButton* BigButton(Control c) {
  QPushButton* button = NewButton(c);
  QFont font = button->font();
  font.setPointSize(14);
  font.setBold(true);
  button->setFont(font);
  button->setMinimumSize(160, 44);
  return button;
}

Tile& AddTile(Station& s, const Fixture& fixture) {
  auto tile = std::make_unique<Tile>();
  Tile* t = tile.get();
  t->frame = new QGroupBox;
  t->frame->setMinimumWidth(290);
  auto* grid = new QGridLayout(t->frame);
  DropDownCombo* port = NewCombo(C::TileSelectPort);
  port->setEditText(Qs(fixture.port));
  // The port's name first, where a long entry is cut.
  port->lineEdit()->setCursorPosition(0);
  port->dropDown = [&s, port] { ListPorts(s, port); };
  QLabel* adapter = NewLabel(C::TileLabelAdapter);
  adapter->setText(Adapter(port->currentText()));
  QObject::connect(port, &QComboBox::currentTextChanged, port, [&s, adapter](const QString& text) {
    adapter->setText(Adapter(text));
    Save(s);
  });
  QLineEdit* name = NewTextBox(C::TileTextName);
  name->setText(Qs(fixture.name));
  QObject::connect(name, &QLineEdit::textChanged, name, [&s] { Save(s); });
  QLabel* state = BigLabel(C::TileLabelState, 20);
  state->setAutoFillBackground(true);
  state->setAlignment(Qt::AlignCenter);
  state->setMinimumHeight(44);
  QLabel* message = NewLabel(C::TileLabelMessage);
  message->setWordWrap(true);
  QLabel* phase = NewLabel(C::TileLabelPhase);
  QProgressBar* bar = NewBar(C::TileBarBurn);
  QLabel* chip = NewLabel(C::TileLabelChip);
  QLabel* verify = NewLabel(C::TileLabelVerify);
  QLabel* errors = NewLabel(C::TileLabelErrors);
  QLabel* last = NewLabel(C::TileLabelLast);
  QLabel* count = NewLabel(C::TileLabelCount);
  QPushButton* start = NewButton(C::TileButtonStart);
  OnClick(start, [&s, t] { t->view.running ? Stop(*t) : Start(s, *t); });
  QPushButton* remove = NewButton(C::TileButtonRemove);
  OnClick(remove, [&s, t] { Remove(s, *t); });
  grid->setVerticalSpacing(2);
  grid->addWidget(name, 0, 0);
  grid->addWidget(port, 0, 1);
  grid->addWidget(adapter, 1, 1);
  grid->addWidget(phase, 1, 0);
  grid->addWidget(state, 2, 0, 1, 2);
  grid->addWidget(bar, 3, 0, 1, 2);
  grid->addWidget(chip, 4, 0, 1, 2);
  grid->addWidget(verify, 5, 0);
  grid->addWidget(errors, 5, 1);
  grid->addWidget(last, 6, 0);
  grid->addWidget(count, 6, 1);
  grid->addWidget(message, 7, 0, 1, 2);
  grid->addWidget(start, 8, 0);
  grid->addWidget(remove, 8, 1);
  *t = {t->frame, port, name, state, phase, chip, verify, errors, last, count, message, bar, start};
  s.tiles.push_back(std::move(tile));
  Arrange(s);
  ShowTile(s, *t);
  return *t;
}

void AddFixture(Station& s) {
  if (Locked(s)) return;
  AddTile(s, {"", "Fixture " + std::to_string(s.tiles.size() + 1)});
  Enable(s);
  Save(s);
}

void Lock_Click(Station& s) {
  QPushButton* lock = Part<QPushButton>(s.window, C::StationButtonLock);
  // The click has toggled it already; unlocking takes a yes.
  if (!lock->isChecked() &&
      !s.app.dialogs.Confirm(ByLanguage(s.app, "解锁设置? 解锁后可以改动升级文件, 目标和夹具.",
                                        "Unlock the settings? The image, target and fixtures can then be changed.")))
    lock->setChecked(true);
  lock->setText(lock->isChecked() ? "解锁设置" : Qs(C::StationButtonLock.caption));
  Enable(s);
  Save(s);
}

QLineEdit* SettingBox(Station& s, Control c, const std::string& text) {
  QLineEdit* box = NewTextBox(c);
  box->setText(Qs(text));
  QObject::connect(box, &QLineEdit::textChanged, box, [&s] { Save(s); });
  return box;
}

QGroupBox* ImageFrame(Station& s, const StationSetup& setup) {
  QGroupBox* frame = NewFrame(C::StationFrameImage);
  auto* grid = new QGridLayout(frame);
  QLineEdit* file = SettingBox(s, C::StationTextFileName, setup.image);
  QObject::connect(file, &QLineEdit::textChanged, file, [&s] { ShowImage(s); });
  grid->addWidget(file, 0, 0, 1, 3);
  QPushButton* open = NewButton(C::StationButtonOpenFile);
  OnClick(open, [&s, file] {
    if (const auto chosen = s.app.dialogs.OpenFile("Burn File|*.bat;*.Hex;*.Tot")) file->setText(Qs(*chosen));
  });
  grid->addWidget(open, 0, 3);
  grid->addWidget(BigLabel(C::StationLabelCodeName, 16), 1, 0, 1, 4);
  grid->addWidget(BigLabel(C::StationLabelCodeSum, 16), 2, 0, 1, 4);
  QLabel* sha = BigLabel(C::StationLabelSha256, 10);
  sha->setTextInteractionFlags(Qt::TextSelectableByMouse);
  grid->addWidget(sha, 3, 0, 1, 4);
  grid->addWidget(NewLabel(C::StationLabelTarget), 4, 0);
  DropDownCombo* target = TargetCombo(C::StationSelectTarget);
  target->lineEdit()->setReadOnly(true);
  target->setCurrentIndex(setup.target - 1);
  QObject::connect(target, &QComboBox::currentIndexChanged, target, [&s] { Save(s); });
  grid->addWidget(target, 4, 1);
  grid->addWidget(NewLabel(C::StationLabelExpect), 4, 2);
  QLineEdit* expect = SettingBox(s, C::StationTextExpect, setup.expect);
  QObject::connect(expect, &QLineEdit::textChanged, expect, [&s] { ShowImage(s); });
  grid->addWidget(expect, 4, 3);
  QRadioButton* fill00 = NewOption(C::StationOptionFull0x00);
  QRadioButton* fillFF = NewOption(C::StationOptionFull0xff);
  (setup.fill00 ? fill00 : fillFF)->setChecked(true);
  QObject::connect(fill00, &QRadioButton::toggled, fill00, [&s] {
    ShowImage(s);
    Save(s);
  });
  grid->addWidget(fill00, 5, 0, 1, 2);
  grid->addWidget(fillFF, 5, 2, 1, 2);
  return frame;
}

QGroupBox* RecordFrame(Station& s, const StationSetup& setup) {
  QGroupBox* frame = NewFrame(C::StationFrameRecord);
  auto* grid = new QGridLayout(frame);
  const std::pair<Control, Control> rows[] = {{C::StationLabelLog, C::StationTextLog},
                                              {C::StationLabelOperator, C::StationTextOperator},
                                              {C::StationLabelOrder, C::StationTextOrder},
                                              {C::StationLabelStation, C::StationTextStation}};
  const std::string* values[] = {&setup.log, &setup.operatorName, &setup.order, &setup.station};
  for (int row = 0; row < 4; ++row) {
    grid->addWidget(NewLabel(rows[row].first), row, 0);
    grid->addWidget(SettingBox(s, rows[row].second, *values[row]), row, 1);
  }
  QCheckBox* repeat = NewCheck(C::StationCheckAutoBurn);
  repeat->setChecked(setup.autoRepeat);
  QObject::connect(repeat, &QCheckBox::toggled, repeat, [&s] { Save(s); });
  grid->addWidget(repeat, 4, 0, 1, 2);
  return frame;
}

QHBoxLayout* ButtonRow(Station& s, bool locked) {
  auto* row = new QHBoxLayout;
  QPushButton* startAll = BigButton(C::StationButtonStartAll);
  OnClick(startAll, [&s] { StartAll(s); });
  QPushButton* stopAll = BigButton(C::StationButtonStopAll);
  OnClick(stopAll, [&s] { StopAll(s); });
  QPushButton* check = NewButton(C::StationButtonCheck);
  OnClick(check, [&s] { CheckAll(s); });
  QPushButton* add = NewButton(C::StationButtonAddFixture);
  OnClick(add, [&s] { AddFixture(s); });
  QPushButton* lock = NewButton(C::StationButtonLock);
  lock->setCheckable(true);
  lock->setChecked(locked);
  if (locked) lock->setText("解锁设置");
  OnClick(lock, [&s] { Lock_Click(s); });
  row->addWidget(startAll);
  row->addWidget(stopAll);
  row->addWidget(check);
  row->addStretch();
  row->addWidget(add);
  row->addWidget(lock);
  return row;
}

// Stops the fixtures and waits for them, a bounded time, so every unit's
// end is in the log before the window goes.
void StopAndWait(Station& s) {
  StopAll(s);
  const QDeadlineTimer deadline(CloseWaitMs);
  for (const auto& t : s.tiles)
    if (t->process) t->process->waitForFinished(static_cast<int>(std::max<qint64>(1, deadline.remainingTime())));
}

}  // namespace

std::string CliBesideProgram() {
  const QString beside = QCoreApplication::applicationDirPath() + "/ambrelin-cli";
  return QFileInfo(beside).isExecutable() ? Std(beside) : "ambrelin-cli";
}

QWidget* NewStationForm(Ambrelin& app, const std::string& cli) {
  QWidget* window = NewWindow(C::StationForm);
  auto* s = new Station{app, cli, window};
  // The processes, the window's children, go after it: they must not report
  // to a station that is gone.
  QObject::connect(window, &QObject::destroyed, [s] {
    for (const auto& t : s->tiles)
      if (t->process) QObject::disconnect(t->process, nullptr, nullptr, nullptr);
    delete s;
  });
  const StationSetup setup = LoadStation(app.settings);
  auto* column = new QVBoxLayout(window);
  auto* top = new QHBoxLayout;
  top->addWidget(ImageFrame(*s, setup), 3);
  top->addWidget(RecordFrame(*s, setup), 2);
  QGroupBox* yield = NewFrame(C::StationFrameYield);
  s->chart = new YieldChart;
  (new QVBoxLayout(yield))->addWidget(s->chart);
  s->chart->Refresh(setup.log);
  yield->setMinimumSize(240, 160);
  top->addWidget(yield, 2);
  column->addLayout(top);
  column->addLayout(ButtonRow(*s, setup.locked));
  QGroupBox* fixtures = NewFrame(C::StationFrameFixtures);
  auto* scroll = new QScrollArea;
  scroll->setWidgetResizable(true);
  auto* inside = new QWidget;
  s->grid = new QGridLayout(inside);
  s->grid->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  scroll->setWidget(inside);
  (new QVBoxLayout(fixtures))->addWidget(scroll);
  column->addWidget(fixtures, 1);
  for (const Fixture& f : setup.fixtures) AddTile(*s, f);
  s->building = false;
  ShowImage(*s);
  Enable(*s);
  OnEvent(window, QEvent::Close, [s](QEvent*) {
    StopAndWait(*s);
    return false;
  });
  window->resize(1280, 900);
  return window;
}
