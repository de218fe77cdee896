// The pages "Озвучка", "Чудеса" and "Интерфейс" of the settings dialog.

#include "app/textservice.h"
#include "app/ui/generalcommands.h"
#include "app/ui/mainform.h"
#include "app/ui/settingsdialog.h"
#include "codepages/charsets.h"
#include "io/linesfile.h"
#include "settings/settings.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFontComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QScreen>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <memory>

namespace zuk::app::ui {

using settings::RConnectionTable;
using settings::ui::field;

namespace {

// The four envelope values (Attack, Decay, Sustain, Release) as the panels
// show them: Attack, Decay and Release scaled to a sum of 100 when they
// exceed it together.
std::array<int, 4> shownEnvelope(const std::array<int, 4>& v)
{
    const int sum = v[0] + v[1] + v[3];
    if (sum <= 100)
        return v;
    return {v[0] * 100 / sum, v[1] * 100 / sum, v[2], v[3] * 100 / sum};
}

// The envelope drawn from the slider values: rise, fall to the sustain
// level, hold, release.
class EnvelopePreview final : public QWidget {
public:
    std::array<int, 4> values{90, 80, 50, 100};

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), palette().color(QPalette::Base));
        const int w = width(), h = height();
        int a = 100 - values[0], d = 100 - values[1], r = 100 - values[3];
        const int t = a + d + r;
        if (t > 100) {
            a = a * 100 / t;
            d = d * 100 / t;
            r = r * 100 / t;
        }
        const int y = 1 + (100 - values[2]) * (h - 1) / 100;
        const int x1 = 1 + (w - 1) * a / 100;
        const QPoint start(1, h), peak(x1, 1), sustain(x1 + (w - 1) * d / 100, y);
        p.setPen(Qt::red);
        p.drawLine(start, peak);
        p.setPen(Qt::blue);
        p.drawLine(peak, sustain);
        QPoint last = sustain;
        if (t < 100) {
            const QPoint hold(w - (w - 1) * r / 100, y);
            p.setPen(Qt::green);
            p.drawLine(last, hold);
            last = hold;
        }
        p.setPen(QColor(0, 0, 128));
        p.drawLine(last, QPoint(w, h));
    }
};

// `part` as a whole percentage of `whole`, halves to even.
int percentOf(int part, int whole)
{
    if (whole <= 0)
        return 75;
    const long long scaled = static_cast<long long>(part) * 100;
    long long q = scaled / whole;
    const long long twice = (scaled % whole) * 2;
    if (twice > whole || (twice == whole && q % 2 != 0))
        ++q;
    return static_cast<int>(q);
}

} // namespace

void Tfopts::buildSoundPage()
{
    auto* page = new QVBoxLayout(addPage("tsSound"));
    settings::RSoundSettings& sound = m_form.soundSettings();
    auto* modes = new QHBoxLayout;
    page->addLayout(modes);
    auto* typewriter = new QRadioButton;
    typewriter->setObjectName(QStringLiteral("rbTypewriter"));
    auto* synth = new QRadioButton;
    synth->setObjectName(QStringLiteral("rbSynth"));
    modes->addWidget(typewriter);
    modes->addWidget(synth);
    modes->addStretch();
    m_binder.bindCustom(
        [&sound, typewriter, synth](const RConnectionTable&) {
            (sound.mode == 't' ? typewriter : synth)->setChecked(true);
        },
        [&sound, typewriter](RConnectionTable&) {
            sound.mode = typewriter->isChecked() ? 't' : 's';
        });

    QGroupBox* synthOpts = group(page, "gbSyntOpts");
    auto* so = new QHBoxLayout(synthOpts);
    // Radio groups whose item position is the stored number.
    auto radioGroup = [this, so](const char* name, std::initializer_list<const char*> items,
                                 int settings::RSoundSettings::*member) {
        QGroupBox* box = group(so, name);
        auto* l = new QVBoxLayout(box);
        auto* buttons = new QButtonGroup(box);
        int id = 0;
        for (const char* item : items) {
            auto* b = new QRadioButton(QString::fromLatin1(item));
            buttons->addButton(b, id++);
            l->addWidget(b);
        }
        settings::RSoundSettings& s = m_form.soundSettings();
        m_binder.bindCustom(
            [buttons, &s, member](const RConnectionTable&) {
                if (QAbstractButton* b = buttons->button(s.*member))
                    b->setChecked(true);
            },
            [buttons, &s, member](RConnectionTable&) {
                if (buttons->checkedId() >= 0)
                    s.*member = buttons->checkedId();
            });
    };
    radioGroup("rbWaveOpts", {"Sine", "Square", "Triangle", "Sawtooth", "Noise"},
               &settings::RSoundSettings::Waveform);
    radioGroup("rgResolution", {"16 bit", "8 bit"}, &settings::RSoundSettings::Resolution);
    auto* numbers = new QVBoxLayout;
    so->addLayout(numbers);
    auto soundSpin = [this, numbers](const char* label, const char* name, int lowest, int highest,
                                     int settings::RSoundSettings::*member) {
        QSpinBox* box = spin(numbers, label);
        box->setObjectName(QString::fromLatin1(name));
        box->setRange(lowest, highest);
        settings::RSoundSettings& s = m_form.soundSettings();
        m_binder.bindCustom(
            [box, &s, member, lowest, highest](const RConnectionTable&) {
                box->setValue(std::clamp(s.*member, lowest, highest));
            },
            [box, &s, member](RConnectionTable&) { s.*member = box->value(); });
    };
    soundSpin("lFreq", "seFreq", 20, 20000, &settings::RSoundSettings::Frequency);
    soundSpin("lDuration", "seduration", 10, 1000000, &settings::RSoundSettings::Duration);
    numbers->addStretch();

    // The envelope: a slider at the top means 100.
    QGroupBox* envelope = group(page, "gbEnvelope");
    auto* grid = new QGridLayout(envelope);
    auto* preview = new EnvelopePreview;
    preview->setObjectName(QStringLiteral("pbEnvelope"));
    preview->setMinimumSize(160, 80);
    std::array<QSlider*, 4> sliders{};
    std::array<QLabel*, 4> panels{};
    const char* names[] = {"TrackBar1", "TrackBar2", "TrackBar3", "TrackBar4"};
    const char* labels[] = {"Attack", "Decay", "Sustain", "Release"};
    for (int i = 0; i < 4; ++i) {
        auto* caption = new QLabel(QString::fromLatin1(labels[i]));
        sliders[i] = new QSlider(Qt::Vertical);
        sliders[i]->setObjectName(QString::fromLatin1(names[i]));
        sliders[i]->setRange(0, 100);
        sliders[i]->setSingleStep(5);
        sliders[i]->setPageStep(10);
        sliders[i]->setTickInterval(5);
        sliders[i]->setTickPosition(QSlider::TicksRight);
        sliders[i]->setInvertedAppearance(true); // position 0 at the top
        panels[i] = new QLabel;
        panels[i]->setObjectName(QStringLiteral("pnEnvelope%1").arg(i + 1));
        grid->addWidget(caption, 0, i);
        grid->addWidget(sliders[i], 1, i);
        grid->addWidget(panels[i], 2, i);
    }
    grid->addWidget(preview, 0, 4, 3, 1);
    grid->setColumnStretch(4, 1);
    auto refresh = [sliders, panels, preview] {
        std::array<int, 4> v{};
        for (int i = 0; i < 4; ++i)
            v[i] = 100 - sliders[i]->value();
        preview->values = v;
        const std::array<int, 4> shown = shownEnvelope(v);
        for (int i = 0; i < 4; ++i)
            panels[i]->setText(QString::number(shown[i]) + QLatin1Char('%'));
        preview->update();
    };
    for (QSlider* slider : sliders)
        connect(slider, &QSlider::valueChanged, this, refresh);
    // The sliders show the stored envelope.
    m_binder.bindCustom(
        [&sound, sliders, refresh](const RConnectionTable&) {
            const int stored[] = {sound.Attack, sound.Decay, sound.Sustain, sound.Release};
            for (int i = 0; i < 4; ++i) {
                const QSignalBlocker quiet(sliders[i]);
                sliders[i]->setValue(100 - std::clamp(stored[i], 0, 100));
            }
            refresh();
        },
        [&sound, sliders](RConnectionTable&) {
            sound.Attack = 100 - sliders[0]->value();
            sound.Decay = 100 - sliders[1]->value();
            sound.Sustain = 100 - sliders[2]->value();
            sound.Release = 100 - sliders[3]->value();
        });
    m_binder.bind(check(page, "cbKeySound"), field<bool>(&RConnectionTable::SoundKey));
    page->addStretch();
}

void Tfopts::buildMiraclesPage()
{
    auto* page = new QVBoxLayout(addPage("tsMiracles"));
    QGroupBox* quotes = group(page, "gbQuotes");
    auto* q = new QVBoxLayout(quotes);
    m_quotes = new QComboBox;
    m_quotes->setObjectName(QStringLiteral("cbQuotesFile"));
    const QDir folder(m_form.dataPath(QStringLiteral("quotes")));
    m_quotes->addItems(folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name));
    q->addWidget(m_quotes);
    m_quotesInfo = new QLabel;
    m_quotesInfo->setObjectName(QStringLiteral("mQuotesInfo"));
    m_quotesInfo->setWordWrap(true);
    m_quotesInfo->setFrameShape(QFrame::StyledPanel);
    m_quotesInfo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_quotesInfo->setMinimumHeight(80);
    q->addWidget(m_quotesInfo);
    m_binder.bindCustom(
        [this](const RConnectionTable& ct) {
            m_quotes->setCurrentIndex(
                m_quotes->findText(QString::fromStdString(ct.current_quotefile)));
        },
        [this](RConnectionTable& ct) {
            if (m_quotes->currentIndex() >= 0)
                ct.current_quotefile = m_quotes->currentText().toStdString();
        });
    connect(m_quotes, &QComboBox::currentIndexChanged, this, &Tfopts::showQuoteFileInfo);
    m_binder.bind(check(page, "cbshowmagik"), field<bool>(&RConnectionTable::showmagik));
    page->addStretch();
}

void Tfopts::showQuoteFileInfo()
{
    m_quotesInfo->clear();
    if (m_binder.loading() || m_quotes->currentIndex() < 0)
        return;
    std::vector<std::string> lines;
    try {
        lines = io::readLinesFile(
            m_form.dataPath(QStringLiteral("quotes/") + m_quotes->currentText()).toStdString());
    } catch (const std::exception&) {
        return;
    }
    QStringList shown;
    for (const char* name : {"Author", "Description", "Comments"}) {
        const std::string key = std::string(name) + "=";
        for (const std::string& line : lines)
            if (line.compare(0, key.size(), key) == 0) {
                if (line.size() > key.size())
                    shown << QString::fromStdString(codepages::winToUtf8(line.substr(key.size())));
                break;
            }
    }
    m_quotesInfo->setText(shown.join(QLatin1Char('\n')));
}

void Tfopts::buildInterfacePage()
{
    auto* page = new QVBoxLayout(addPage("tsInterface"));
    const QSize screenSize = m_form.screen() ? m_form.screen()->size() : QSize(1024, 768);

    QGroupBox* dialogSize = group(page, "gbDlgFileOpen");
    auto* ds = new QHBoxLayout(dialogSize);
    auto percentBox = [this, ds](const char* label, const char* name, int screenSide,
                                 int settings::RMainWindowProps::*member) {
        auto* caption = new QLabel;
        caption->setObjectName(QString::fromLatin1(label));
        auto* box = new QSpinBox;
        box->setObjectName(QString::fromLatin1(name));
        box->setRange(40, 100);
        box->setSuffix(QStringLiteral("%"));
        caption->setBuddy(box);
        ds->addWidget(caption);
        ds->addWidget(box);
        settings::RMainWindowProps& p = m_form.windowProps();
        // The size is kept in pixels: an untouched box leaves it exact.
        auto shown = std::make_shared<int>(0);
        m_binder.bindCustom(
            [box, &p, member, screenSide, shown](const RConnectionTable&) {
                *shown = percentOf(p.*member, screenSide);
                box->setValue(*shown);
            },
            [box, &p, member, screenSide, shown](RConnectionTable&) {
                if (box->value() != *shown)
                    p.*member = settings::percentRoundedHalfEven(screenSide, box->value());
            });
    };
    percentBox("lDlgWidth", "seDlgFileOpenSizeX", screenSize.width(),
               &settings::RMainWindowProps::dlgFileOpenSizeX);
    percentBox("lDlgHeight", "seDlgFileOpenSizeY", screenSize.height(),
               &settings::RMainWindowProps::dlgFileOpenSizeY);
    ds->addStretch();

    QGroupBox* scroll = group(page, "gbAutoscroll");
    auto* sc = new QVBoxLayout(scroll);
    m_binder.bind(check(sc, "cbAutoscroll"), field<bool>(&RConnectionTable::AutoscrollActive));
    QSpinBox* lines = spin(sc, "lScrollNLines");
    lines->setObjectName(QStringLiteral("seAutoscrollLines"));
    m_binder.bind(lines, field<int>(&RConnectionTable::LinesPerTime), 1, 50);
    QSpinBox* period = spin(sc, "lByNMsecs");
    period->setObjectName(QStringLiteral("seAutoscrollTime"));
    period->setSingleStep(100);
    m_binder.bind(period, field<int>(&RConnectionTable::AutoscrollTime), 400, 100000);

    QGroupBox* fonts = group(page, "gbEditorFonts");
    auto* f = new QGridLayout(fonts);
    int rowIndex = 0;
    auto fontRow = [this, f, &rowIndex](const char* label, const char* fontName,
                                        const char* sizeName, std::string RConnectionTable::*font,
                                        uint8_t RConnectionTable::*size, int highest) {
        auto* caption = new QLabel;
        caption->setObjectName(QString::fromLatin1(label));
        auto* box = new QFontComboBox;
        box->setObjectName(QString::fromLatin1(fontName));
        auto* points = new QSpinBox;
        points->setObjectName(QString::fromLatin1(sizeName));
        caption->setBuddy(box);
        f->addWidget(caption, rowIndex, 0);
        f->addWidget(box, rowIndex, 1);
        f->addWidget(points, rowIndex, 2);
        ++rowIndex;
        m_binder.bindCustom(
            [box, font](const RConnectionTable& ct) {
                box->setCurrentFont(QFont(QString::fromStdString(codepages::winToUtf8(ct.*font))));
            },
            [box, font](RConnectionTable& ct) {
                ct.*font = codepages::utf8ToWin(box->currentFont().family().toStdString());
            });
        m_binder.bind(points, field<int>(size), 8, highest);
    };
    fontRow("lWindowsFont", "fcWindowsFont", "seWINSize", &RConnectionTable::FontWIN,
            &RConnectionTable::WINSize, 80);
    fontRow("lDOSFint", "fcDOSFont", "seDOSSize", &RConnectionTable::FontDOS,
            &RConnectionTable::DOSSize, 100);
    fontRow("lKOI8Font", "fcKOIFont", "seKOI8Size", &RConnectionTable::FontKOI8,
            &RConnectionTable::KOI8Size, 100);
    auto* charsetLabel = new QLabel;
    charsetLabel->setObjectName(QStringLiteral("lWinFontCharSet"));
    auto* charset = new QComboBox;
    charset->setObjectName(QStringLiteral("cbWinFontCharSet"));
    const std::pair<const char*, int> charsets[] = {
        {"DEFAULT_CHARSET", 1},      {"RUSSIAN_CHARSET", 204}, {"ANSI_CHARSET", 0},
        {"OEM_CHARSET", 255},        {"SYMBOL_CHARSET", 2},    {"BALTIC_CHARSET", 186},
        {"EASTEUROPE_CHARSET", 238},
    };
    for (const auto& [name, number] : charsets)
        charset->addItem(QString::fromLatin1(name), number);
    f->addWidget(charsetLabel, rowIndex, 0);
    f->addWidget(charset, rowIndex, 1);
    m_binder.bind(charset, field<int>(&RConnectionTable::WinFontCharSet));

    QGroupBox* elements = group(page, "gbElements");
    auto* el = new QHBoxLayout(elements);
    m_binder.bind(check(el, "cbStatusBAr"), field<bool>(&RConnectionTable::show_statusbar));
    m_binder.bind(check(el, "cbTopBar"), field<bool>(&RConnectionTable::show_topbar));

    // The language takes effect at once, as the language menu's does.
    QGroupBox* language = group(page, "gbLang");
    auto* lg = new QHBoxLayout(language);
    auto* lang = new QComboBox;
    lang->setObjectName(QStringLiteral("cbLang"));
    for (const std::string& name : availableLanguages(m_form.partsFolder().toStdString()))
        lang->addItem(QString::fromStdString(name));
    lg->addWidget(lang);
    lg->addStretch();
    lang->setCurrentIndex(
        lang->findText(QString::fromStdString(codepages::winToUtf8(m_form.settings().Lang))));
    connect(lang, &QComboBox::currentTextChanged, this, [this](const QString& name) {
        if (m_binder.loading() || name.isEmpty())
            return;
        const std::string chosen = codepages::utf8ToWin(name.toStdString());
        if (chosen == RConnectionTable().Lang) {
            m_form.settings().Lang = chosen;
            m_form.showNote(prefs("sRussianLangSelected"));
            return;
        }
        m_form.changeLanguage(chosen);
    });
    page->addStretch();
}

} // namespace zuk::app::ui
