#include "data/PlantillaCuestionario.h"
#include "report/Reporte.h"
#include "report/ui/PaginasVista.h"
#include "report/ui/VisorReporte.h"
#include "report/ui/VistaPrevia.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
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
  // "Exportar a PDF" into sRuta; sPropuesto: the name the save dialog proposed.
  void ExportaComo(QWidget* ventana, const QString& sRuta, QString& sPropuesto)
  {
    QTimer::singleShot(0, [&sPropuesto, sRuta] {
      auto* dialogo = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialogo, nullptr);
      sPropuesto = QFileInfo(dialogo->selectedFiles().value(0)).fileName();
      dialogo->selectFile(sRuta);
      QMetaObject::invokeMethod(dialogo, "accept");
    });
    Dispara(ventana, "acExportarPDF");
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
    Accion("Ajustar al ancho");
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

TEST_F(VistaPrevia, ExportarProponeElNombreYEscribeElPdf)
{
  QTemporaryDir carpeta;
  const QString sRuta = carpeta.filePath("Cuestionario.pdf");
  QString sPropuesto;
  AlAbrirse([&](QWidget* ventana) {
    ExportaComo(ventana, sRuta, sPropuesto);
    ventana->close();
  });
  F_reporte.MuestraReporte();
  EXPECT_EQ(sPropuesto, "CuestionarioCNBV_2015.pdf");
  QProcess pdfinfo;
  pdfinfo.start("pdfinfo", {sRuta});
  pdfinfo.waitForFinished();
  const QString sInfo = QString::fromUtf8(pdfinfo.readAllStandardOutput());
  EXPECT_TRUE(sInfo.contains("Pages:           9\n")) << sInfo.toStdString();
  EXPECT_TRUE(sInfo.contains("Author:          Tolvex\n"));
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
    for (QAction* accion : ventana->findChild<QToolBar*>()->actions())
      if (!accion->objectName().isEmpty())
        Acciones << accion->objectName();
    Dispara(ventana, "acSoporte");
    EXPECT_EQ(ventana->windowTitle(), "Soporte de las respuestas");
    nPaginasSoporte = ventana->findChild<QSpinBox*>("edPagina")->maximum();
    ExportaComo(ventana, sRuta, sPropuesto);
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
