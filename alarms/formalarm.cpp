#include "formalarm.h"

#include "alarmdue.h"
#include "ui_formalarm.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

namespace noctalis {

namespace {

constexpr int kSoundIntervalMs = 10000;

} // namespace

FormAlarm::FormAlarm(std::unique_ptr<SoundPlayer> player, QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::FormAlarm>()), m_player(std::move(player))
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint);
    connect(ui->CancelButton, &QPushButton::clicked, this, &FormAlarm::CancelButton_Click);

    adjustSize();
    setFixedSize(size());
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    move(area.x() + area.width() - width(), area.y());

    m_timer = new QTimer(this);
    m_timer->setInterval(kSoundIntervalMs);
    connect(m_timer, &QTimer::timeout, this, &FormAlarm::Timer1_Timer);
    m_timer->start();
}

FormAlarm::~FormAlarm() = default;

QLabel *FormAlarm::messageLabel() const { return ui->LBLMsg; }

void FormAlarm::setMessage(const QString &text) { ui->LBLMsg->setText(text); }

QString FormAlarm::message() const { return ui->LBLMsg->text(); }

void FormAlarm::Timer1_Timer()
{
    if (!m_player)
        return;
    if (BeepOn)
        m_player->beep();
    if (IsWaveFile(SoundFile))
        m_player->playWave(SoundFile);
}

void FormAlarm::CancelButton_Click() { close(); }

} // namespace noctalis
