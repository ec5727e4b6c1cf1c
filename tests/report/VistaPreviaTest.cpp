#include "data/PlantillaCuestionario.h"
#include "report/Reporte.h"
#include "report/ui/PaginasVista.h"
#include "report/ui/VisorReporte.h"
#include "report/ui/VistaPrevia.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QListWidget>
#include <QScrollBar>
#include <QToolBar>
#include <QWheelEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QMenu>
#include <QScrollArea>
#include <QSpinBox>
#include <QToolBar>
#include <QToolButton>
#include <QPrinterInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <functional>

namespace {

// Runs pasos on the modal window once it is up (the show call blocks until it closes).
void AlAbrirse(std::function<void(QWidget*)> pasos)
{
  QTimer::singleShot(0, [pasos] {
    QWidget* ventana = QApplication::activeModalWidget();
    ASSERT_NE(ventana, nullptr);
    pasos(ventana);
  });
}

// The actions of the preview's bars, in order.
QList<QAction*> AccionesDeBarras(QWidget* ventana)
{
  QList<QAction*> Acciones;
  for (QToolBar* barra : ventana->findChildren<QToolBar*>())
    Acciones << barra->actions();
  return Acciones;
}

class VistaPrevia : public ::testing::Test {
 protected:
  void SetUp() override
  {
    CargaPlantillaCuestionario(F_reporte);
    F_reporte.SetAjustesPDF(AjustesPDFCuestionario());
    F_reporte.SetNombreArchivo("Encuesta GAFI 2016");
    F_reporte.SetVisor(std::make_shared<TVisorReporte>());
  }
  void Dispara(QWidget* ventana, const char* sAccion)
  {
    QAction* accion = ventana->findChild<QAction*>(sAccion);
    ASSERT_NE(accion, nullptr) << sAccion;
    accion->trigger();
  }
  TReporte F_reporte;
};

TEST_F(VistaPrevia, AbreModalMaximizadaAlCienPorCientoYCierra)
{
  bool bRevisada = false;
  AlAbrirse([&](QWidget* ventana) {
    EXPECT_EQ(ventana->windowTitle(), "Encuesta GAFI 2016");
    EXPECT_TRUE(ventana->isModal());
    EXPECT_TRUE(ventana->windowState() & Qt::WindowMaximized);
    auto* vista = ventana->findChild<TPaginasVista*>();
    ASSERT_NE(vista, nullptr);
    EXPECT_DOUBLE_EQ(vista->Zoom(), 1.0);
    EXPECT_EQ(ventana->findChild<QSpinBox*>("edPagina")->maximum(), 9);
    // Each page at its own paper size: 216 x 160 mm for the notice, 216 x 180 mm next.
    EXPECT_NEAR(vista->RectPagina(0).height() * 216.0 / vista->RectPagina(0).width(), 160, 1);
    EXPECT_NEAR(vista->RectPagina(1).height() * 216.0 / vista->RectPagina(1).width(), 180, 1);
    EXPECT_EQ(ventana->findChild<QComboBox*>("cbZoom")->currentText(), "100 %");
    bRevisada = true;
    ventana->close();
  });
  F_reporte.MuestraReporte();
  EXPECT_TRUE(bRevisada);
}

// Maximised it covers the screen's free area even where no window manager
// maximises it; restored, it is a usable window: 80 % of that area, centred.
TEST_F(VistaPrevia, MaximizadaLlenaLaPantallaYRestauradaQuedaUsable)
{
  const QRect rDisponible = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_EQ(TfrmVistaPrevia::GeometriaNormal(QRect(0, 0, 1000, 500)), QRect(100, 50, 800, 400));
  EXPECT_EQ(TfrmVistaPrevia::GeometriaNormal(QRect(0, 0, 1920, 1080)), QRect(192, 108, 1536, 864));
  QRect rMaximizada, rRestaurada;
  AlAbrirse([&](QWidget* ventana) {
    rMaximizada = ventana->geometry();
    ventana->setWindowState(Qt::WindowNoState);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ventana->geometry().size() != rMaximizada.size(); }));
    rRestaurada = ventana->geometry();
    ventana->close();
  });
  F_reporte.MuestraReporte();
  EXPECT_EQ(rMaximizada.size(), rDisponible.size());
  EXPECT_EQ(rRestaurada, TfrmVistaPrevia::GeometriaNormal(rDisponible));
}

TEST_F(VistaPrevia, BuscarVaALaPaginaDelTexto)
{
  F_reporte.SetVariable("Cuestionario", "preg_19.2.1", "'DÓLAR CANADIENSE'");
  int nPagina = 0;
  AlAbrirse([&](QWidget* ventana) {
    ventana->findChild<QLineEdit*>("edBuscar")->setText("dólar canadiense");
    Dispara(ventana, "acBuscar");
    nPagina = qobject_cast<TfrmVistaPrevia*>(ventana)->PaginaActual();
    ventana->close();
  });
  F_reporte.MuestraReporte();
  EXPECT_EQ(nPagina, 7);
}

TEST_F(VistaPrevia, HerramientasAjustanAlAnchoYMuestranDosPaginas)
{
  int nAnchoVisible = 0;
  QRect primera;
  QRect segunda;
  AlAbrirse([&](QWidget* ventana) {
    QMenu* menu = ventana->findChild<QToolButton*>("bnHerramientas")->menu();
    const auto Accion = [menu](const QString& sTexto) {
      for (QAction* accion : menu->actions())
        if (accion->text() == sTexto)
          accion->trigger();
    };
    Accion("Dos páginas");
    Accion("Ancho de página");
    auto* vista = ventana->findChild<TPaginasVista*>();
    nAnchoVisible = ventana->findChild<QScrollArea*>()->viewport()->width();
    primera = vista->RectPagina(0);
    segunda = vista->RectPagina(1);
    EXPECT_EQ(ventana->findChild<QComboBox*>("cbZoom")->currentText(), "Ancho de página");
    ventana->close();
  });
  F_reporte.MuestraReporte();
  EXPECT_EQ(primera.top(), segunda.top());
  EXPECT_GT(primera.left(), 0);
  EXPECT_LE(segunda.right(), nAnchoVisible);
  EXPECT_GT(segunda.right(), nAnchoVisible - 2 * TPaginasVista::CC_ESPACIO);
}

TEST_F(VistaPrevia, SinImpresoraAvisaEnEspanol)
{
  if (!QPrinterInfo::defaultPrinter().isNull())
    GTEST_SKIP() << "this machine has a printer";
  QString sAviso;
  AlAbrirse([&](QWidget* ventana) {
    QTimer::singleShot(0, [&] {
      auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(caja, nullptr);
      sAviso = caja->text();
      caja->accept();
    });
    Dispara(ventana, "acImprimir");
    ventana->close();
  });
  F_reporte.MuestraReporte();
  EXPECT_EQ(sAviso,
            "No hay ninguna impresora instalada. Instale una impresora o exporte el reporte a PDF.");
}

// An answer to a dialog: false when the dialog up is not the one it answers (yet).
using TRespuesta = std::function<bool(QWidget*)>;

// Answers the modal dialogs as they open, in turn, each with its answer.
void Responde(QList<TRespuesta> Respuestas)
{
  if (Respuestas.isEmpty())
    return;
  QTimer::singleShot(10, [Respuestas]() mutable {
    QWidget* dialogo = QApplication::activeModalWidget();
    if (!dialogo || !dialogo->isVisible() || !Respuestas.first()(dialogo))
      return Responde(Respuestas);  // not up yet: look again
    Respuestas.removeFirst();
    Responde(Respuestas);
  });
}

// Picks sRuta in the save dialog.
TRespuesta Guarda(const QString& sRuta, QString* pPropuesto = nullptr, QString* pCarpeta = nullptr)
{
  return [=](QWidget* pDialogo) {
    auto* dialogo = qobject_cast<QFileDialog*>(pDialogo);
    if (!dialogo)
      return false;
    if (pPropuesto)
      *pPropuesto = QFileInfo(dialogo->selectedFiles().value(0)).fileName();
    if (pCarpeta)
      *pCarpeta = dialogo->directory().absolutePath();
    // Typed as a user types it: a selection could be undone by the folder's late loading.
    auto* edNombre = dialogo->findChild<QLineEdit*>("fileNameEdit");
    if (!edNombre)
      return false;
    edNombre->setText(sRuta);
    QMetaObject::invokeMethod(dialogo, "accept");
    return true;
  };
}

TRespuesta Boton(QMessageBox::StandardButton nBoton, QString* pTexto = nullptr)
{
  return [=](QWidget* pDialogo) {
    auto* caja = qobject_cast<QMessageBox*>(pDialogo);
    if (!caja)
      return false;
    if (pTexto)
      *pTexto = caja->text();
    QMetaObject::invokeMethod(caja->button(nBoton), "click", Qt::QueuedConnection);
    return true;
  };
}

// Closes a save or page setup dialog without choosing.
bool Cancela(QWidget* pDialogo)
{
  if (!qobject_cast<QFileDialog*>(pDialogo) && !pDialogo->inherits("QPageSetupDialog"))
    return false;
  QMetaObject::invokeMethod(pDialogo, "reject", Qt::QueuedConnection);
  return true;
}

QString InfoPdf(const QString& sRuta)
{
  QProcess pdfinfo;
  pdfinfo.start("pdfinfo", {sRuta});
  pdfinfo.waitForFinished();
  return QString::fromUtf8(pdfinfo.readAllStandardOutput());
}

TEST_F(VistaPrevia, ExportarProponeNombreConEmpresaYFechaEscribeElPdfYDiceDonde)
{
  QTemporaryDir carpeta;
  const QString sRuta = carpeta.filePath("Cuestionario.pdf");
  QString sPropuesto, sAviso;
  AlAbrirse([&](QWidget* ventana) {
    Responde({Guarda(sRuta, &sPropuesto), Boton(QMessageBox::Ok, &sAviso)});
    Dispara(ventana, "acExportarPDF");
    ventana->close();
  });
  F_reporte.MuestraReporte();
  EXPECT_EQ(sPropuesto, "CuestionarioCNBV_2015 - Centro Cambiario de Prueba, S.A. de C.V. - " +
                            QDate::currentDate().toString(Qt::ISODate) + ".pdf");
  EXPECT_EQ(sAviso, "El reporte se guardó en el archivo:\n" + QDir::toNativeSeparators(sRuta));
  const QString sInfo = InfoPdf(sRuta);
  EXPECT_TRUE(sInfo.contains("Pages:           9\n")) << sInfo.toStdString();
  EXPECT_TRUE(sInfo.contains("Author:          Tolvex\n"));
  // The next export, in this run or a later one, starts in that folder.
  EXPECT_EQ(QFileInfo(TfrmVistaPrevia::CarpetaPDF()).canonicalFilePath(),
            QFileInfo(carpeta.path()).canonicalFilePath());
  QString sCarpeta;
  AlAbrirse([&](QWidget* ventana) {
    Responde({Guarda(carpeta.filePath("Otro.pdf"), nullptr, &sCarpeta), Boton(QMessageBox::Ok)});
    Dispara(ventana, "acExportarPDF");
    ventana->close();
  });
  F_reporte.MuestraReporte();
  EXPECT_EQ(QFileInfo(sCarpeta).canonicalFilePath(), QFileInfo(carpeta.path()).canonicalFilePath());
}

// Onto an existing file: No keeps it and offers the save dialog again; Yes replaces it.
TEST_F(VistaPrevia, ExportarSobreUnArchivoQueExistePregunta)
{
  QTemporaryDir carpeta;
  const QString sRuta = carpeta.filePath("Anterior.pdf");
  const auto Escribe = [&] {
    QFile archivo(sRuta);
    ASSERT_TRUE(archivo.open(QIODevice::WriteOnly));
    archivo.write("el reporte de ayer");
  };
  Escribe();
  QString sPregunta;
  bool bDefaultNo = false;
  AlAbrirse([&](QWidget* ventana) {
    // Typed without its extension: still the same file.
    Responde({Guarda(carpeta.filePath("Anterior")),
              [&](QWidget* pCaja) {
                auto* caja = qobject_cast<QMessageBox*>(pCaja);
                if (!caja)
                  return false;
                bDefaultNo = static_cast<QAbstractButton*>(caja->defaultButton()) ==
                             caja->button(QMessageBox::No);
                return Boton(QMessageBox::No, &sPregunta)(pCaja);
              },
              Cancela});
    Dispara(ventana, "acExportarPDF");
    ventana->close();
  });
  F_reporte.MuestraReporte();
  EXPECT_EQ(sPregunta, "El archivo Anterior.pdf ya existe. ¿Desea reemplazarlo?");
  EXPECT_TRUE(bDefaultNo);
  QFile archivo(sRuta);
  ASSERT_TRUE(archivo.open(QIODevice::ReadOnly));
  EXPECT_EQ(archivo.readAll(), "el reporte de ayer");
  archivo.close();

  AlAbrirse([&](QWidget* ventana) {
    Responde({Guarda(sRuta), Boton(QMessageBox::Yes), Boton(QMessageBox::Ok)});
    Dispara(ventana, "acExportarPDF");
    ventana->close();
  });
  F_reporte.MuestraReporte();
  EXPECT_TRUE(InfoPdf(sRuta).contains("Pages:           9\n"));
}

// The save dialog lists the folder's files with their dates as a Mexican user reads
// them, whatever the system's locale.
TEST_F(VistaPrevia, ElDialogoDeArchivosDaLasFechasEnEspanol)
{
  QTemporaryDir carpeta;
  const QDateTime Fecha(QDate(2015, 12, 11), QTime(9, 59));
  QString sFecha;
  AlAbrirse([&](QWidget* ventana) {
    // The first export leaves the folder for the next.
    Responde({Guarda(carpeta.filePath("Anterior.pdf")), Boton(QMessageBox::Ok),
              [&](QWidget* pDialogo) {
                auto* dialogo = qobject_cast<QFileDialog*>(pDialogo);
                if (!dialogo)
                  return false;
                auto* lista = dialogo->findChild<QTreeView*>("treeView");
                QTest::qWaitFor([&] {
                  for (int n = 0; lista && n < lista->model()->rowCount(lista->rootIndex()); ++n)
                    if (lista->model()->index(n, 0, lista->rootIndex()).data() == "Anterior.pdf")
                      sFecha = lista->model()->index(n, 3, lista->rootIndex()).data().toString();
                  return !sFecha.isEmpty();
                }, 5000);
                return Cancela(pDialogo);
              }});
    Dispara(ventana, "acExportarPDF");
    QFile anterior(carpeta.filePath("Anterior.pdf"));
    ASSERT_TRUE(anterior.open(QIODevice::ReadWrite));
    ASSERT_TRUE(anterior.setFileTime(Fecha, QFileDevice::FileModificationTime));
    anterior.close();
    Dispara(ventana, "acExportarPDF");
    ventana->close();
  });
  F_reporte.MuestraReporte();
  EXPECT_EQ(sFecha, QLocale(QLocale::Spanish, QLocale::Mexico).toString(Fecha, QLocale::ShortFormat));
}

// After each of its dialogs the preview has the keyboard again: Escape closes it.
TEST_F(VistaPrevia, TrasSusDialogosEscapeLaCierra)
{
  QTemporaryDir carpeta;
  const QList<std::pair<const char*, QList<TRespuesta>>> Casos = {
      {"acExportarPDF", {Guarda(carpeta.filePath("a.pdf")), Boton(QMessageBox::Ok)}},
      {"acExportarPDF", {Cancela}},
  };
  for (const auto& [sAccion, Respuestas] : Casos) {
    bool bCerrada = false;
    AlAbrirse([&, sAccion = sAccion, Respuestas = Respuestas](QWidget* ventana) {
      Responde(Respuestas);
      Dispara(ventana, sAccion);
      QTest::qWaitFor([ventana] { return QApplication::activeWindow() == ventana; }, 2000);
      QWidget* pFoco = QApplication::focusWidget();
      ASSERT_NE(pFoco, nullptr) << sAccion;
      EXPECT_EQ(pFoco->window(), ventana) << sAccion;
      EXPECT_EQ(QApplication::activeWindow(), ventana) << sAccion;
      QTest::keyClick(pFoco, Qt::Key_Escape);
      bCerrada = !ventana->isVisible();
      if (!bCerrada)
        ventana->close();
    });
    F_reporte.MuestraReporte();
    EXPECT_TRUE(bCerrada) << sAccion;
  }
}

// "Cerrar" comes last, after every item the bar already had; Ctrl+P prints.
TEST_F(VistaPrevia, BarraConCerrarAlFinalYCtrlPImprime)
{
  QStringList Textos;
  bool bCerrada = false;
  QString sAviso;
  AlAbrirse([&](QWidget* ventana) {
    for (QAction* accion : AccionesDeBarras(ventana))
      if (!accion->isSeparator() && !accion->text().isEmpty())
        Textos << accion->text();
    if (QPrinterInfo::defaultPrinter().isNull()) {
      Responde({Boton(QMessageBox::Ok, &sAviso)});
      QTest::qWaitFor([ventana] { return QApplication::activeWindow() == ventana; }, 2000);
      QTest::keyClick(ventana, Qt::Key_P, Qt::ControlModifier);
    }
    Dispara(ventana, "acCerrar");
    bCerrada = !ventana->isVisible();
  });
  F_reporte.MuestraReporte();
  ASSERT_GE(Textos.size(), 3);
  EXPECT_EQ(Textos.mid(0, 2), (QStringList{"Imprimir", "Exportar a PDF"}));
  EXPECT_EQ(Textos.last(), "Cerrar");
  EXPECT_TRUE(bCerrada);
  if (QPrinterInfo::defaultPrinter().isNull())
    EXPECT_TRUE(sAviso.startsWith("No hay ninguna impresora instalada."));
}

// On a 1024-px screen the page counter and "Cerrar" go to a second row of the bar,
// in view, rather than behind its overflow button; where all fits, one row.
TEST_F(VistaPrevia, BarraEnDosFilasEnPantallaAngosta)
{
  QList<std::tuple<int, bool, bool>> Filas;  // width, two rows, counter and Cerrar in view
  AlAbrirse([&](QWidget* ventana) {
    ventana->setWindowState(Qt::WindowNoState);
    auto* barra = ventana->findChild<QToolBar*>("barra");
    auto* navegador = ventana->findChild<QToolBar*>("barraNavegador");
    QWidget* bnCerrar = navegador->widgetForAction(ventana->findChild<QAction*>("acCerrar"));
    for (const int nAncho : {1020, 1362}) {
      ventana->resize(nAncho, 700);
      QTest::qWait(50);
      Filas << std::tuple{nAncho, navegador->y() > barra->y(),
                          ventana->findChild<QSpinBox*>("edPagina")->isVisible() &&
                              bnCerrar->isVisible() &&
                              navegador->geometry().right() < ventana->width()};
    }
    ventana->close();
  });
  F_reporte.MuestraReporte();
  EXPECT_EQ(Filas, (QList<std::tuple<int, bool, bool>>{{1020, true, true}, {1362, false, true}}));
}

// Zoom in and out step through the list from any zoom, a fitted one too, by menu,
// keys or Ctrl and the wheel; the box always says the zoom shown; the page stays.
TEST_F(VistaPrevia, AcercarAlejarYAjustesSonCoherentes)
{
  QStringList Zooms;
  QList<int> Paginas;
  AlAbrirse([&](QWidget* ventana) {
    auto* vista = ventana->findChild<TPaginasVista*>();
    auto* cbZoom = ventana->findChild<QComboBox*>("cbZoom");
    auto* frm = qobject_cast<TfrmVistaPrevia*>(ventana);
    QWidget* viewport = ventana->findChild<QScrollArea*>()->viewport();
    const auto Anota = [&] {
      Zooms << QString("%1 %2").arg(cbZoom->currentText()).arg(qRound(vista->Zoom() * 100));
      Paginas << frm->PaginaActual();
    };
    const auto Rueda = [&](int nGrados8) {
      QWheelEvent rueda(QPointF(50, 50), viewport->mapToGlobal(QPointF(50, 50)), QPoint(),
                        QPoint(0, nGrados8), Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase,
                        false);
      QApplication::sendEvent(viewport, &rueda);
    };
    ventana->findChild<QSpinBox*>("edPagina")->setValue(5);
    Dispara(ventana, "acAcercar");
    Anota();  // 150
    QTest::qWaitFor([ventana] { return QApplication::activeWindow() == ventana; }, 2000);
    QTest::keyClick(ventana, Qt::Key_Minus, Qt::ControlModifier);
    Anota();  // 100
    Dispara(ventana, "acAlejar");
    Anota();  // 75
    Rueda(120);
    Anota();  // 100
    Rueda(60);
    Anota();  // half a notch: nothing yet
    Rueda(60);
    Anota();  // 150
    Rueda(-240);
    Anota();  // 75
    cbZoom->setCurrentText("Página completa");
    emit cbZoom->textActivated("Página completa");
    const int nCompleta = qRound(vista->Zoom() * 100);
    Anota();
    Dispara(ventana, "acAcercar");
    Anota();  // the next of the list above the fitted zoom
    EXPECT_GT(qRound(vista->Zoom() * 100), nCompleta);
    ventana->close();
  });
  F_reporte.MuestraReporte();
  ASSERT_EQ(Zooms.size(), 9);
  EXPECT_EQ(Zooms.mid(0, 7), (QStringList{"150 % 150", "100 % 100", "75 % 75", "100 % 100",
                                          "100 % 100", "150 % 150", "75 % 75"}));
  EXPECT_TRUE(Zooms[7].startsWith("Página completa ")) << Zooms[7].toStdString();
  EXPECT_TRUE(Zooms[8].endsWith(" %")  || Zooms[8].contains("% ")) << Zooms[8].toStdString();
  EXPECT_EQ(Paginas, QList<int>(9, 5));
}

// The counter says "Página n de m" right after every move, the page list is in page
// order and follows; moving back from the last page goes to the one before it; Home and
// End go to the first and the last page.
TEST_F(VistaPrevia, ContadorYListaDePaginasSiguenCadaMovimiento)
{
  QStringList Contadores, Lista;
  QList<int> Filas;
  AlAbrirse([&](QWidget* ventana) {
    auto* edPagina = ventana->findChild<QSpinBox*>("edPagina");
    auto* lbEsquema = ventana->findChild<QListWidget*>("lbEsquema");
    for (int i = 0; i < lbEsquema->count(); ++i)
      Lista << lbEsquema->item(i)->text();
    const auto Anota = [&] {
      Contadores << edPagina->text();
      Filas << lbEsquema->currentRow();
    };
    Anota();
    QList<QAction*> Navegador;
    for (QAction* accion : AccionesDeBarras(ventana))
      if (QStringList{"<<", "<", ">", ">>"}.contains(accion->text()))
        Navegador << accion;
    ASSERT_EQ(Navegador.size(), 4);
    Navegador[3]->trigger();  // >>
    Anota();
    Navegador[1]->trigger();  // <
    Anota();
    Navegador[0]->trigger();  // <<
    Anota();
    Navegador[2]->trigger();  // >
    Anota();
    lbEsquema->setCurrentRow(6);
    Anota();
    auto* barra = ventana->findChild<QScrollArea*>()->verticalScrollBar();
    barra->setValue(barra->maximum());  // the user scrolls to the end
    Anota();
    // Home and End, with Ctrl or without, as in every viewer.
    auto* area = ventana->findChild<QScrollArea*>();
    QTest::keyClick(area, Qt::Key_Home);
    Anota();
    QTest::keyClick(area, Qt::Key_End);
    Anota();
    QTest::keyClick(area, Qt::Key_Home, Qt::ControlModifier);
    Anota();
    QTest::keyClick(area, Qt::Key_End, Qt::ControlModifier);
    Anota();
    ventana->close();
  });
  F_reporte.MuestraReporte();
  EXPECT_EQ(Lista, (QStringList{"Página 1", "Página 2", "Página 3", "Página 4", "Página 5",
                                "Página 6", "Página 7", "Página 8", "Página 9"}));
  EXPECT_EQ(Contadores, (QStringList{"Página 1 de 9", "Página 9 de 9", "Página 8 de 9",
                                     "Página 1 de 9", "Página 2 de 9", "Página 7 de 9",
                                     "Página 9 de 9", "Página 1 de 9", "Página 9 de 9",
                                     "Página 1 de 9", "Página 9 de 9"}));
  EXPECT_EQ(Filas, (QList<int>{0, 8, 7, 0, 1, 6, 8, 0, 8, 0, 8}));
}

// The support beside the questionnaire: "Soporte" after print and export switches the pages,
// and the export writes the document shown.
TEST_F(VistaPrevia, SoporteCambiaDeDocumentoConLaMismaExportacion)
{
  TDocumentoTablas Soporte;
  Soporte.sTitulo = "Soporte de las respuestas";
  for (int i = 0; i < 120; ++i)
    Soporte.Agrega(TBloqueDocumento::TTipo::Parrafo, QString("Renglón %1 del soporte").arg(i));
  F_reporte.SetAnexo({Soporte, {"SoporteCNBV_2015", "Soporte de las respuestas", {}, "Tolvex"}, {}, {}});
  QTemporaryDir carpeta;
  const QString sRuta = carpeta.filePath("Soporte.pdf");
  QString sPropuesto;
  QStringList Acciones;
  int nPaginasSoporte = 0;
  AlAbrirse([&](QWidget* ventana) {
    for (QAction* accion : AccionesDeBarras(ventana))
      if (!accion->objectName().isEmpty())
        Acciones << accion->objectName();
    Dispara(ventana, "acSoporte");
    EXPECT_EQ(ventana->windowTitle(), "Soporte de las respuestas");
    nPaginasSoporte = ventana->findChild<QSpinBox*>("edPagina")->maximum();
    Responde({Guarda(sRuta, &sPropuesto), Boton(QMessageBox::Ok)});
    Dispara(ventana, "acExportarPDF");
    Dispara(ventana, "acSoporte");
    EXPECT_EQ(ventana->windowTitle(), "Encuesta GAFI 2016");
    EXPECT_EQ(ventana->findChild<QSpinBox*>("edPagina")->maximum(), 9);
    ventana->close();
  });
  F_reporte.MuestraReporte();
  EXPECT_EQ(Acciones.mid(0, 3), (QStringList{"acImprimir", "acExportarPDF", "acSoporte"}));
  EXPECT_GE(nPaginasSoporte, 2);
  EXPECT_EQ(sPropuesto, "SoporteCNBV_2015.pdf");
  QProcess pdftotext;
  pdftotext.start("pdftotext", {sRuta, "-"});
  pdftotext.waitForFinished();
  const QString sTexto = QString::fromUtf8(pdftotext.readAllStandardOutput());
  EXPECT_TRUE(sTexto.contains("Renglón 119 del soporte")) << sTexto.toStdString();
  EXPECT_TRUE(sTexto.contains(QString("Soporte de las respuestas · página 1 de %1").arg(nPaginasSoporte)));
}

}  // namespace
