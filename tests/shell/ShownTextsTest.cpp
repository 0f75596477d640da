#include "shell/ShownTexts.h"
#include "ProgramFixture.h"
#include "QtTestApp.h"
#include "document/Calculator.h"
#include "platform/qt/QtText.h"
#include "shell/CalculatorWindow.h"
#include "shell/DataPanel.h"
#include "shell/GraphWindow.h"
#include "shell/MessageWindow.h"
#include "shell/ParameterPanel.h"
#include "shell/Program.h"
#include "shell/QtTranslations.h"
#include "shell/VersionWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

using namespace tarlix;

namespace {
// A "?" right after a letter stands for a lost accented letter, unless it closes a question
// opened by "¿" or starts a memo markup tag "?{".
bool hasLostAccent(const QString& text) {
    bool questionOpen = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QChar(0x00BF)) questionOpen = true;
        if (text[i] != '?') continue;
        const bool afterLetter = i > 0 && text[i - 1].isLetter();
        const bool tag = i + 1 < text.size() && text[i + 1] == '{';
        if (afterLetter && !tag && !questionOpen) return true;
        if (!tag) questionOpen = false;
    }
    return false;
}

TEST(ShownTexts, LostAccentsAreToldFromGenuineQuestionMarks) {
    const struct {
        const char* utf8;
        bool lost;
    } cases[] = {
        {"Funci?", true},
        {"L?ea && Pol?ono", true},
        {"Borrar despu? de la imagen", true},
        {"Función", false},
        {"¿Desea guardar el proyecto?", false},
        {"¿Salir? Versi?", true},
        {"texto ?{b}negrita", false},
        {"a ? b", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(hasLostAccent(QString::fromUtf8(c.utf8)), c.lost) << c.utf8;
}

TEST(ShownTexts, TheTableHoldsWholeSpanishWordsInUtf8) {
    for (const ShownText& t : shownTexts()) {
        const QString text = QString::fromUtf8(t.text);
        EXPECT_FALSE(hasLostAccent(text)) << t.key << ": " << t.text;
        EXPECT_FALSE(text.contains(QChar::ReplacementCharacter)) << t.key << " is not UTF-8";
        EXPECT_EQ(text.toUtf8(), QByteArray(t.text)) << t.key;
    }
}

// Slips a teacher reads as carelessness, capitals without their accent and texts that were
// left in English read as Spanish.
TEST(ShownTexts, MisspelledAndEnglishTextsAreMended) {
    const std::pair<const char*, const char*> cases[] = {
        {"Graph.snapToVertex", "Fijar al vértice usando  la tecla Ctrl"},
        {"Graph.snapToGrid", "Fijar a la cuadrícula usando la tecla Ctrl"},
        {"Menu.ShowArea", "Mostrar &Área"},
        {"Palette.area", "Área"},
        {"Segment.angle", "Ángulo"},
        {"HelpPdf", "Manual &PDF"},
        {"PenColor.title", "Color del lápiz"},
        {"Toolbar.title", "Barra de herramientas"},
        {"Calc.SBHcentr", "ortocentro : Hcentr(A,B,C)"},
        {"Calc.sbBezie", "curva de Bezier de 4 puntos : bezier(t,P,Q,R,S)"},
        {"Calc.SBrot", "rotar: rot(P, ángulo), rotar(ángulo recto): rot(P), rotar(con centro A): "
                       "rot(P,A,ángulo)"},
        {"Calc.SBIntegral", "Integral: Igr(parámetro, valor inicial, valor final, ecuación)"},
    };
    for (const auto& [key, text] : cases) EXPECT_EQ(shownText(key).toStdString(), text) << key;
}

TEST(ShownTexts, NoTextIsLeftInEnglish) {
    const QRegularExpression english(
        "\\b(angle|rotate|right|center|circle|curve|points?|with|order|file|toolbar|Pen|to|as|"
        "Ex)\\b");
    for (const ShownText& t : shownTexts())
        EXPECT_FALSE(QString::fromUtf8(t.text).contains(english)) << t.key << ": " << t.text;
}

// A hint's worked example, typed into the calculator as the hint writes it, gives the result
// the hint states: a hint never names a function the language does not know.
TEST(ShownTexts, EveryWorkedExampleOfAHintGivesItsResult) {
    tarlix::testing::ProgramShowingAx shown;
    Document& ctx = shown.program->context();
    const QRegularExpression example(R"(([A-Za-z]\w*\((?:[^()]|\([^()]*\))*\))=(-?[0-9.]+))");
    int examples = 0;
    for (const ShownText& t : shownTexts()) {
        if (std::string_view(t.key).rfind("Calc.", 0) != 0) continue;
        auto matches = example.globalMatch(QString::fromUtf8(t.text));
        while (matches.hasNext()) {
            const QRegularExpressionMatch m = matches.next();
            Calculator calculator;
            calculator.edit(fromQString(m.captured(1)), 0, ctx.project.engine);
            EXPECT_EQ(calculator.equal(ctx), m.captured(2).toStdString())
                << t.key << ": " << m.captured(0).toStdString();
            ++examples;
        }
    }
    EXPECT_GE(examples, 10);
}

// What Qt draws itself is in Spanish once its translations are installed, as the program does
// at start-up: the standard buttons and the file dialogs, such as the background picture's,
// which carries a title of the program's.
TEST(ShownTexts, QtsOwnTextsAreSpanish) {
    tarlix::testing::ProgramShowingAx shown;
    ASSERT_TRUE(installQtTranslations(*QCoreApplication::instance()));
    QDialogButtonBox buttons(QDialogButtonBox::Open | QDialogButtonBox::Cancel);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Open)->text(), "Abrir");
    EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text(), "Cancelar");
    // The kind of a folder in a file dialog's list, which Qt's Spanish catalog lacks.
    EXPECT_EQ(
        QCoreApplication::translate("QAbstractFileIconProvider", "Folder", "All other platforms"),
        "Carpeta");

    QString title;
    QStringList labels;
    QTimer::singleShot(0, [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* dialog = qobject_cast<QFileDialog*>(w); dialog && dialog->isVisible()) {
                title = dialog->windowTitle();
                for (QLabel* l : dialog->findChildren<QLabel*>()) labels << l->text();
                dialog->reject();
            }
    });
    shown.program->graph()->backgroundButtons().fromFile->trigger();
    EXPECT_EQ(title, "Abrir imagen de fondo");
    EXPECT_TRUE(labels.contains("&Nombre de fichero:")) << labels.join('|').toStdString();
    for (const QString& l : labels) EXPECT_FALSE(l.contains("File")) << l.toStdString();
}

TEST(ShownTexts, QuestionsReachTheMessageBoxInTheProgramsText) {
    EXPECT_EQ(shownMessage("Parameter.initialiseQuestion"),
              "Inicializar todos los par\xE1metros usando [OK]");
    EXPECT_EQ(shownMessage("Association.question"),
              "Archivos con extensi\xF3n tlx\" ser\xE1n abiertos con TARLIX");
}

struct ShownWindows {
    QApplication& app = qttest::qtApp<QApplication>();
    QTemporaryDir folder;
    RecordingMessageBox messages{false};
    std::unique_ptr<Program> program;
    VersionWindow version;
    MessageWindow error{"x", MessageKind::Error, true};
    MessageWindow information{"x", MessageKind::Information, false};

    ShownWindows() {
        program = std::make_unique<Program>(folder.path() + "/tarlix.ini", 0);
        program->objects().document.setMessageBox(&messages);
        program->start({});
    }
    std::vector<QWidget*> windows() {
        std::vector<QWidget*> all = program->windows();
        all.insert(all.end(), {&version, &error, &information});
        return all;
    }
};

// Every caption, menu item, hint and title of a window and of everything in it.
QStringList textsOf(QWidget* window) {
    QStringList texts{window->windowTitle(), window->toolTip(), window->statusTip()};
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    for (QWidget* w : widgets) {
        texts << w->toolTip() << w->statusTip() << w->windowTitle();
        if (auto* label = qobject_cast<QLabel*>(w)) texts << label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(w)) texts << button->text();
        if (auto* menu = qobject_cast<QMenu*>(w)) texts << menu->title();
    }
    for (QAction* a : window->findChildren<QAction*>())
        texts << a->text() << a->toolTip() << a->statusTip() << a->iconText();
    texts.removeAll(QString());
    return texts;
}

TEST(ShownTexts, NoWindowShowsALostAccent) {
    ShownWindows w;
    int count = 0;
    for (QWidget* window : w.windows()) {
        for (const QString& text : textsOf(window)) {
            EXPECT_FALSE(hasLostAccent(text))
                << window->objectName().toStdString() << ": " << text.toStdString();
            ++count;
        }
    }
    EXPECT_GT(count, 400) << count; // the menus, the panels and the parameter rows were walked
}

TEST(ShownTexts, TheDataPanelShowsTheCorrectedCaptions) {
    ShownWindows w;
    DataPanel& console = *w.program->dataPanel();
    auto title = [&](CategoryPanel p) { return console.panel(p)->titleLabel()->text(); };
    auto item = [&](const char* name) { return console.action(name)->text(); };
    const std::pair<QString, const char*> shown[] = {
        {title(CategoryPanel::Explicit), "Función"},
        {title(CategoryPanel::Relations), "Relación"},
        {title(CategoryPanel::Curves), "Curva Paramétrica"},
        {title(CategoryPanel::Parameters), "Parámetro"},
        {title(CategoryPanel::ConnectedFigures), "Línea & Polígono"},
        {item("ShowData7"), "Línea && Polígono"},
        {item("ShowPanel6"), "[Función de usuario]"},
        {item("EditClearAfterimages"), "&Borrar Después de imágenes"},
        {item("SettingsAssociate"), "&Asociación de Archivos"},
        {item("HelpVersion"), "&Versión"},
        {w.information.windowTitle(), "Información"},
    };
    for (const auto& [actual, expected] : shown) EXPECT_EQ(actual.toStdString(), expected);

    QStringList parameterTexts = textsOf(console.parameterPanel());
    EXPECT_TRUE(parameterTexts.contains(QString::fromUtf8("rápido")));
    EXPECT_TRUE(parameterTexts.contains(QString::fromUtf8("Aumentar la razón")));
    EXPECT_TRUE(parameterTexts.contains(QString::fromUtf8("Borrar después de la imagen")));
}
} // namespace
