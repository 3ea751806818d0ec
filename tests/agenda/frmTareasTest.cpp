#include "AgendaFixture.h"

#include "agenda/TareasAgenda.h"
#include "support/TestEnvironment.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

// The dialog on its own, as the agenda opens it, over a row of the day.
class frmTareasTest : public AgendaFixture {
protected:
    void SetUp() override
    {
        id = Insertar(QStringLiteral("20240315"), QStringLiteral("0900"), QStringLiteral("1000"), QStringLiteral("Misa"),
                      QStringLiteral("Primera línea\r\nSegunda"));
        dialogo = std::make_unique<frmTareas>(tareas, mblnRefresh, QStringLiteral("Norvia Parvanta 2000"));
    }

    void Abrir(OperacionAgenda operacion)
    {
        dialogo->mlngIDTareaBD = id;
        dialogo->mbytOperacion = operacion;
        ASSERT_TRUE(dialogo->Form_Load());
        dialogo->show();
    }

    TareasAgenda tareas{con};
    qint32 id = 0;
    std::unique_ptr<frmTareas> dialogo;
};

TEST_F(frmTareasTest, TheDialogCarriesItsTextsAndLimits)
{
    Abrir(OperacionAgenda::Editar);
    EXPECT_EQ(dialogo->windowTitle(), QStringLiteral("Propiedades de la tarea"));
    EXPECT_EQ(dialogo->lblTarea(0)->text(), QStringLiteral("(*) Título:"));
    EXPECT_EQ(dialogo->lblTarea(1)->text(), QStringLiteral("Descripción:"));
    EXPECT_EQ(dialogo->cmdTarea(frmTareas::kAceptar)->text(), QStringLiteral("&Aceptar"));
    EXPECT_EQ(dialogo->cmdTarea(frmTareas::kCancelar)->text(), QStringLiteral("&Cancelar"));
    EXPECT_TRUE(dialogo->cmdTarea(frmTareas::kAceptar)->isDefault());
    EXPECT_EQ(dialogo->txtTarea0()->maxLength(), 30);
    EXPECT_EQ(dialogo->txtTarea0()->text(), QStringLiteral("Misa"));
    EXPECT_EQ(dialogo->txtTarea1()->toPlainText(), QStringLiteral("Primera línea\nSegunda"));

    dialogo->txtTarea1()->setPlainText(QString(140, u'x'));
    dialogo->txtTarea1()->moveCursor(QTextCursor::End);
    dialogo->txtTarea1()->insertPlainText(QStringLiteral("0123456789abcdef"));
    EXPECT_EQ(dialogo->txtTarea1()->toPlainText(), QString(140, u'x') + QStringLiteral("0123456789"));

    frmTareas nuevo(tareas, mblnRefresh, {});
    nuevo.mlngIDTareaBD = id;
    nuevo.mbytOperacion = OperacionAgenda::ANADIR;
    ASSERT_TRUE(nuevo.Form_Load());
    EXPECT_EQ(nuevo.windowTitle(), QStringLiteral("Agregar tarea"));
    EXPECT_TRUE(nuevo.txtTarea0()->text().isEmpty());
}

TEST_F(frmTareasTest, ATypedDoubleQuoteBecomesTwoApostrophesAtTheCaret)
{
    Abrir(OperacionAgenda::Editar);
    QLineEdit* titulo = dialogo->txtTarea0();
    titulo->setCursorPosition(4);
    QTest::keyClick(titulo, '"');
    EXPECT_EQ(titulo->text(), QStringLiteral("Misa''"));
    EXPECT_EQ(titulo->cursorPosition(), 6);
    titulo->setText(QStringLiteral("Misa"));
    titulo->setCursorPosition(0);
    QTest::keyClick(titulo, '"');
    EXPECT_EQ(titulo->text(), QStringLiteral("''Misa"));
    EXPECT_EQ(titulo->cursorPosition(), 2);

    dialogo->txtTarea1()->setPlainText(QStringLiteral("Dijo "));
    dialogo->txtTarea1()->moveCursor(QTextCursor::End);
    QTest::keyClick(dialogo->txtTarea1(), '"');
    EXPECT_EQ(dialogo->txtTarea1()->toPlainText(), QStringLiteral("Dijo ''"));
}

TEST_F(frmTareasTest, TakingTheFocusSelectsTheWholeText)
{
    Abrir(OperacionAgenda::Editar);
    for (QWidget* caja : {static_cast<QWidget*>(dialogo->txtTarea0()), static_cast<QWidget*>(dialogo->txtTarea1())}) {
        QFocusEvent foco(QEvent::FocusIn, Qt::MouseFocusReason);
        QApplication::sendEvent(caja, &foco);
    }
    EXPECT_EQ(dialogo->txtTarea0()->selectedText(), QStringLiteral("Misa"));
    EXPECT_EQ(dialogo->txtTarea1()->textCursor().selectedText(), QStringLiteral("Primera línea\u2029Segunda"));
    // The description has the focus: Enter belongs to it.
    EXPECT_FALSE(dialogo->cmdTarea(frmTareas::kAceptar)->isDefault());
    QFocusEvent fuera(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(dialogo->txtTarea1(), &fuera);
    EXPECT_TRUE(dialogo->cmdTarea(frmTareas::kAceptar)->isDefault());
}

TEST_F(frmTareasTest, EnterAcceptsFromTheTitleAndStartsALineInTheDescription)
{
    Abrir(OperacionAgenda::Editar);
    dialogo->txtTarea1()->setPlainText(QStringLiteral("Una"));
    dialogo->txtTarea1()->moveCursor(QTextCursor::End);
    QTest::keyClick(dialogo->txtTarea1(), Qt::Key_Return);
    EXPECT_FALSE(dialogo->Terminado());
    EXPECT_EQ(dialogo->txtTarea1()->toPlainText(), QStringLiteral("Una\n"));
    QTest::keyClick(dialogo->txtTarea0(), Qt::Key_Return);
    EXPECT_EQ(dialogo->resultado(), frmTareas::Resultado::Aceptado);
    EXPECT_EQ(Fila(id), QStringLiteral("20240315 0900-1000 Misa|Una\r\n"));
    EXPECT_TRUE(mblnRefresh);
}

TEST_F(frmTareasTest, EscapeCancelsWithoutWriting)
{
    Abrir(OperacionAgenda::Editar);
    dialogo->txtTarea0()->setText(QStringLiteral("Otra"));
    QTest::keyClick(dialogo->txtTarea0(), Qt::Key_Escape);
    EXPECT_EQ(dialogo->resultado(), frmTareas::Resultado::Cancelado);
    EXPECT_TRUE(dialogo->Terminado());
    EXPECT_TRUE(mblnRefresh);
    EXPECT_EQ(Fila(id), QStringLiteral("20240315 0900-1000 Misa|Primera línea\r\nSegunda"));
}

TEST_F(frmTareasTest, BlankAndRepeatedTitlesAreRefusedAndTheDialogStaysOpen)
{
    Insertar(QStringLiteral("20240315"), QStringLiteral("1100"), QStringLiteral("1200"), QStringLiteral("Boda"));
    Insertar(QStringLiteral("20240316"), QStringLiteral("1100"), QStringLiteral("1200"), QStringLiteral("Bautizo"));
    Abrir(OperacionAgenda::Editar);
    auto& ui = testsupport::scriptedUi();
    ui.queueAnswers({ui::vbOK, ui::vbOK});
    dialogo->txtTarea0()->setText(QStringLiteral("   "));
    dialogo->cmdTarea_Click(frmTareas::kAceptar);
    dialogo->txtTarea0()->setText(QStringLiteral("BODA"));
    dialogo->cmdTarea_Click(frmTareas::kAceptar);
    EXPECT_EQ(ui.messageTexts(), (QStringList{QStringLiteral("¡Debe asignar un título para la tarea!"),
                                              QStringLiteral("¡Ya existe una tarea con este título!")}));
    EXPECT_EQ(ui.lastMessage().icon, ui::vbExclamation);
    EXPECT_EQ(ui.lastMessage().caption, QStringLiteral("Norvia Parvanta 2000"));
    EXPECT_EQ(ui.beepCount(), 2);
    EXPECT_FALSE(dialogo->Terminado());
    EXPECT_TRUE(mblnRefresh);

    // Its own title, and a title of another day, are no repetition; a
    // leading blank is kept as typed.
    dialogo->txtTarea0()->setText(QStringLiteral("Misa"));
    dialogo->cmdTarea_Click(frmTareas::kAceptar);
    EXPECT_EQ(dialogo->resultado(), frmTareas::Resultado::Aceptado);
    frmTareas otra(tareas, mblnRefresh, {});
    otra.mlngIDTareaBD = id;
    otra.mbytOperacion = OperacionAgenda::Editar;
    ASSERT_TRUE(otra.Form_Load());
    otra.txtTarea0()->setText(QStringLiteral(" Bautizo"));
    otra.cmdTarea_Click(frmTareas::kAceptar);
    EXPECT_EQ(otra.resultado(), frmTareas::Resultado::Aceptado);
    EXPECT_EQ(Fila(id), QStringLiteral("20240315 0900-1000  Bautizo|Primera línea\r\nSegunda"));
}

TEST_F(frmTareasTest, AFailedWriteIsReportedAndKeepsTheDialogOpen)
{
    Abrir(OperacionAgenda::Editar);
    FallarAl("UPDATE");
    dialogo->txtTarea0()->setText(QStringLiteral("Otra"));
    dialogo->cmdTarea_Click(frmTareas::kAceptar);
    ASSERT_EQ(reportes.size(), 1);
    EXPECT_TRUE(reportes.first().startsWith(QStringLiteral("cmdTarea_Click(1)|frmTareas|")));
    EXPECT_FALSE(dialogo->Terminado());
    EXPECT_EQ(Fila(id), QStringLiteral("20240315 0900-1000 Misa|Primera línea\r\nSegunda"));
}

TEST_F(frmTareasTest, ATaskGoneBeforeOrWhileEditingIsSaidAndNothingIsWritten)
{
    auto& ui = testsupport::scriptedUi();
    ui.queueAnswers({ui::vbOK, ui::vbOK});
    frmTareas perdido(tareas, mblnRefresh, {});
    perdido.mlngIDTareaBD = 999;
    perdido.mbytOperacion = OperacionAgenda::Editar;
    EXPECT_FALSE(perdido.Form_Load());

    Abrir(OperacionAgenda::Editar);
    tareas.Borrar(id);
    dialogo->txtTarea0()->setText(QStringLiteral("Otra"));
    dialogo->cmdTarea_Click(frmTareas::kAceptar);
    EXPECT_EQ(dialogo->resultado(), frmTareas::Resultado::NoExiste);
    EXPECT_EQ(ui.messageTexts(), (QStringList{QStringLiteral("¡La tarea ya no existe!"),
                                              QStringLiteral("¡La tarea ya no existe!")}));
    EXPECT_EQ(ContarTareas(), 0);
}

} // namespace
