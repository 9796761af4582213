#include "ui/qibla_w.h"

#include <QButtonGroup>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "files/reports/qibla_texts.h"
#include "platform/computer_zone.h"
#include "qibla/qibla_direction.h"
#include "ui/dialog_template.h"
#include "ui/error_box.h"
#include "ui/template_layout.h"
#include "ui/text_edge.h"

namespace kelmo::ui {

namespace {

constexpr int kMethodBits = 0x1FFF;  // alertFlags below the method's bits

}  // namespace

QiblaW::QiblaW(const Location& location, Config& config, const Services& services, QWidget* parent,
               ComputerTimeSource now)
    : QDialog(parent),
      location_(location),
      config_(config),
      services_(services),
      now_(std::move(now)) {
    if (!now_) now_ = [&clock = services.clock] { return platform::computerTime(clock); };
    method_ = (config.alertFlags & alert::kQiblaMethodMask) >> alert::kQiblaMethodShift;
    // Both bits set names no method (only a hand-edited file holds it): geographic north.
    if (method_ > kQiblaFromSunShadow) method_ = kQiblaFromGeographicNorth;
    buildTemplate();
    ended_ = !initialise();
    if (ended_) setResult(0);
}

void QiblaW::buildTemplate() {
    using namespace qibla;
    DialogTemplate t(this, "", 345, 233);
    t.group(tr("Qibla determination method"), 13, 160, 319, 30);
    QRadioButton* geographic = t.radio(kGeographic, tr("From Geographic North"), 19, 170, 92, 14);
    QRadioButton* magnetic = t.radio(kMagnetic, tr("From Magnetic North"), 126, 170, 82, 14);
    QRadioButton* shadow = t.radio(kShadow, tr("From the shadow of the Sun"), 223, 170, 106, 14);
    QPushButton* closeButton = t.button(kClose, tr("Close"), 144, 206, 56, 20);
    closeButton->setDefault(true);

    methods_ = new QButtonGroup(this);
    methods_->addButton(geographic, kQiblaFromGeographicNorth);
    methods_->addButton(magnetic, kQiblaFromMagneticNorth);
    methods_->addButton(shadow, kQiblaFromSunShadow);
    connect(methods_, &QButtonGroup::idClicked, this, [this] { methodClicked(); });
    connect(closeButton, &QPushButton::clicked, this, [this] { closeClicked(); });

    timer_ = new QTimer(this);
    timer_->setInterval(kRefreshMilliseconds);
    connect(timer_, &QTimer::timeout, this, &QiblaW::refresh);
    arrangeTemplate(this);
}

// The window's initialisation; false when it ends the window.
bool QiblaW::initialise() {
    using namespace qibla;
    methods_->button(method_)->setChecked(true);
    if (location_.name.empty()) {
        showError(services_.messages, kErrorNoQiblaInformation);
        return false;
    }
    const QiblaDirection direction = QiblaFromNorth(location_);
    results_.qiblaBearing = direction.qiblaBearing;
    results_.meccaDistance = direction.meccaDistance;
    if (results_.meccaDistance < kMeccaItselfKm) {
        showError(services_.messages, kErrorQiblaNotPossible);
        return false;
    }
    setWindowTitle(QStringLiteral(" ") + tr("Qibla for %1").arg(toWidget(location_.name)));
    setTip(controlById(this, kGeographic),
           tr("Check to calculate the direction of Qibla counted clockwise from Geographic "
              "North"));
    setTip(controlById(this, kMagnetic),
           tr("Check to calculate the direction of Qibla counted clockwise from Magnetic North"));
    setTip(controlById(this, kShadow),
           tr("Check to calculate the direction of Qibla counted clockwise from the direction "
              "of the shadow of the Sun"));
    timer_->start();
    return true;
}

int QiblaW::exec() {
    if (ended_) return 0;
    return QDialog::exec();
}

void QiblaW::methodClicked() {
    method_ = methods_->checkedId();
    update();
}

void QiblaW::refresh() {
    if (method_ == kQiblaFromSunShadow) methodClicked();
}

bool QiblaW::refreshing() const {
    return timer_->isActive();
}

void QiblaW::closeClicked() {
    timer_->stop();
    config_.alertFlags = method_ << alert::kQiblaMethodShift | (config_.alertFlags & kMethodBits);
    done(0);
}

QiblaCard QiblaW::currentCard() {
    ComputeQibla(method_, location_, config_, now_(), results_);
    return qiblaCard(method_, results_);
}

void QiblaW::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    CardStyle style;
    // The labels in the window's default font, which on the original platform is the bold
    // system font; the text lines in the dialog font.
    style.labelFont = font();
    style.labelFont.setBold(true);
    style.textFont = font();
    style.disc = palette().color(QPalette::ToolTipBase);
    style.wedge = palette().color(QPalette::Button);
    style.text = palette().color(QPalette::WindowText);
    QPainter painter(this);
    paintQiblaCard(painter, rect(), currentCard(), style);
}

}  // namespace kelmo::ui
