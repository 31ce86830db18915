#include "form1.h"
#include "picturebox.h"
#include "ui_Form1.h"

#include <QMessageBox>

#include <array>
#include <string_view>

namespace {

// Where the window's client area starts on the screen.
constexpr QPoint kStartPosition(154, 113);

// The form file can only give whole points; the form's font is 8.25 pt.
constexpr qreal kDefaultPointSize = 8.25;

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};

// The texts stay alive in this holder while the core reads them as views.
template <std::size_t N>
struct FieldTexts {
    explicit FieldTexts(const std::array<QLineEdit *, N> &fields)
    {
        for (std::size_t i = 0; i < N; ++i) {
            utf8[i] = fields[i]->text().toUtf8();
            views[i] = std::string_view(utf8[i].constData(), std::size_t(utf8[i].size()));
        }
    }
    std::array<QByteArray, N> utf8;
    std::array<std::string_view, N> views;
};

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QString clearedCaption(dividra::Component component)
{
    return fromUtf8(dividra::componentName(component));
}

} // namespace

Form1::Form1(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::Form1>())
    , m_presentMessage([this](const UserMessage &message) { showModalMessage(message); })
{
    ui->setupUi(this);
    QFont formFont = font();
    formFont.setPointSizeF(kDefaultPointSize);
    // Whole-pixel glyph advances, as the captions were laid out for: with
    // fractional ones "Frequenza Massima" is a third of a pixel too wide.
    formFont.setHintingPreference(QFont::PreferFullHinting);
    setFont(formFont);
    // The form and its opaque labels stand on the button-face colour.
    QPalette formPalette = palette();
    formPalette.setColor(QPalette::Window, formPalette.color(QPalette::Button));
    setPalette(formPalette);
    setGeometry(QRect(kStartPosition, size()));
    setWindowIcon(loadPicture(QStringLiteral(":/assets/icon.png")));

    connect(ui->Command1, &QPushButton::clicked, this, &Form1::calculateTwoWay);
    connect(ui->Command2, &QPushButton::clicked, this, &Form1::clearTwoWay);
    connect(ui->Command3, &QPushButton::clicked, this, &Form1::calculateThreeWay);
    connect(ui->Command4, &QPushButton::clicked, this, &Form1::clearThreeWay);
    connect(ui->Command5, &QPushButton::clicked, this, [] { QCoreApplication::exit(0); });
    connect(ui->Command6, &QPushButton::clicked, ui->Picture3, &QWidget::show);
    connect(ui->Picture3, &PictureBox::clicked, ui->Picture3, &QWidget::hide);

    ui->txttweeter->setFocus();
}

Form1::~Form1() = default;

void Form1::setMessagePresenter(MessagePresenter presenter)
{
    m_presentMessage = std::move(presenter);
}

void Form1::calculateTwoWay()
{
    const FieldTexts<3> texts({ui->txttweeter, ui->txtwoofer, ui->txtfrequenza});
    // Labels in the order the captions are written: C1, C2, L1, L2.
    const std::array labels{ui->lblc1, ui->lblc2, ui->lbll1, ui->lbll2};
    present(dividra::calculateTwoWay(texts.views), labels);
}

void Form1::calculateThreeWay()
{
    const FieldTexts<5> texts({ui->txttw, ui->txtmd, ui->txtw, ui->txtmin, ui->txtmax});
    // C1..C4, then L1..L4.
    const std::array labels{ui->labelc1, ui->Labelc2, ui->Labelc3, ui->Labelc4,
                            ui->Labell1, ui->Labell2, ui->Labell3, ui->Labell4};
    present(dividra::calculateThreeWay(texts.views), labels);
}

// A cleared section looks as it did at start. The two-way clear writes its
// labels first and the three-way one its fields first.
void Form1::clearTwoWay()
{
    using dividra::Component;
    ui->lblc1->setText(clearedCaption(Component::C1));
    ui->lblc2->setText(clearedCaption(Component::C2));
    ui->lbll1->setText(clearedCaption(Component::L1));
    ui->lbll2->setText(clearedCaption(Component::L2));
    for (QLineEdit *field : {ui->txttweeter, ui->txtwoofer, ui->txtfrequenza})
        field->clear();
}

void Form1::clearThreeWay()
{
    using dividra::Component;
    for (QLineEdit *field : {ui->txttw, ui->txtmd, ui->txtw, ui->txtmin, ui->txtmax})
        field->clear();
    ui->labelc1->setText(clearedCaption(Component::C1));
    ui->Labelc2->setText(clearedCaption(Component::C2));
    ui->Labelc3->setText(clearedCaption(Component::C3));
    ui->Labelc4->setText(clearedCaption(Component::C4));
    ui->Labell1->setText(clearedCaption(Component::L1));
    ui->Labell2->setText(clearedCaption(Component::L2));
    ui->Labell3->setText(clearedCaption(Component::L3));
    ui->Labell4->setText(clearedCaption(Component::L4));
}

void Form1::present(const dividra::Calculation &calculation, std::span<QLabel *const> labels)
{
    std::visit(Overloaded{
                   [&](const dividra::Captions &captions) {
                       for (std::size_t i = 0; i < labels.size(); ++i)
                           labels[i]->setText(QString::fromStdString(captions[i]));
                   },
                   [&](const dividra::Refusal &refusal) {
                       m_presentMessage({UserMessage::Kind::Refusal, fromUtf8(refusal.message)});
                   },
                   [&](dividra::Fault fault) {
                       m_presentMessage(
                           {UserMessage::Kind::Fault, fromUtf8(dividra::faultMessage(fault))});
                   },
               },
               calculation);
}

void Form1::showModalMessage(const UserMessage &message)
{
    createMessageBox(message, this)->exec();
}
