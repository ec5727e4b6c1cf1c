#include "app/VentanaPrueba.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>

#include <stdexcept>

#include "app/ArchivosTolvex.h"
#include "app/RutaReporte.h"
#include "mdbgen/EscritorMdb.h"
#include "report/IIVisorReporte.h"
#include "report/Reporte.h"

namespace {

const QString CC_FALLA = QStringLiteral("No fue posible generar el reporte. Llame a Soporte Técnico.");
const QString CC_EXITO = QStringLiteral("El reporte se generó correctamente.");

bool Acepta(const QList<THallazgo>&)
{
  return true;
}

// A back office with one administrator ADMIN/ADMIN and the given users connected.
QByteArray BackOffice(const char* sConectados)
{
  return QByteArray(R"({ "password": "voduzu", "tables": [
    { "name": "tCompUsr", "columns": [ {"name": "Usuario", "type": "Text", "size": 20} ],
      "rows": [ )") + sConectados + R"( ] },
    { "name": "tEmps", "columns": [ {"name": "ClaveEmp", "type": "Text", "size": 20},
                                    {"name": "Password", "type": "Text", "size": 20},
                                    {"name": "Nivel", "type": "Integer"} ],
      "rows": [ ["ADMIN", "ADMIN", 0], ["CAJERO", "CAJA", 2] ] },
    { "name": "tEmpresa", "columns": [ {"name": "NumEmp", "type": "Long"},
                                       {"name": "Empresa", "type": "Text"},
                                       {"name": "RFC", "type": "Text", "size": 13},
                                       {"name": "RegistroCC", "type": "Text", "size": 20} ],
      "rows": [ [3, "Centro Cambiario Prueba", "CCP010101AAA", "CC-0042"] ] } ] })";
}

void Escribe(const QString& sRuta, const QByteArray& Contenido)
{
  QFile Archivo(sRuta);
  ASSERT_TRUE(Archivo.open(QIODevice::WriteOnly));
  Archivo.write(Contenido);
}

// Records each showing of the report; may act inside it as the user could.
class TVisorPrueba : public IVisorReporte {
 public:
  void Muestra(const QList<TDocumentoVisor>&) override
  {
    ++nMostrado;
    if (Accion)
      Accion();
  }
  int nMostrado = 0;
  std::function<void()> Accion;
};

// Records the messenger calls of a run in order.
class TMensajeroPrueba : public IMensajero {
 public:
  void MsjEnTx(const QString& sTexto) override { Llamadas << QStringLiteral("EnTx:") + sTexto; }
  void MsjTxTemp(const QString& sTexto) override { Llamadas << QStringLiteral("Temp:") + sTexto; }
  void MsjTxEspera(const QString& sTexto, bool bTLargo) override
  {
    Llamadas << (bTLargo ? QStringLiteral("Larga:") : QStringLiteral("Espera:")) + sTexto;
  }
  void CampoObligatorio(QLabel*, QWidget*) override { Llamadas << QStringLiteral("Campo"); }
  void SetLabel(QLabel*) override {}
  QStringList Llamadas;
};

// The window on a Tolvex folder; files named with other letter case than Windows used.
class RutaReporte : public VentanaPrueba {
 protected:
  void SetUp() override {}

  void Prepara(const char* sConectados, const QByteArray& Ini)
  {
    ASSERT_TRUE(QDir(Dir.path()).mkdir(QStringLiteral("database")));
    mdbgen::EscribeDesdeJson(BackOffice(sConectados), Dir.filePath(QStringLiteral("database/TOLVEX.MDB")));
    if (!Ini.isNull())
      Escribe(Dir.filePath(QStringLiteral("tolvex.ini")), Ini);
    Crea(Dir.path());
    dmMain.repGeneral.SetVisor(Visor);
  }

  // A complete back office (the command line's fixture) and the fields filled in; the
  // same back office in each branch folder.
  void PreparaCompleto(const QStringList& Sucursales = {})
  {
    QFile Json(QStringLiteral(ENCUESTA_TEST_DATA "/datos/tolvex_generar.json"));
    ASSERT_TRUE(Json.open(QIODevice::ReadOnly));
    const QByteArray BackOffice = Json.readAll();
    for (const QString& sCarpeta : QStringList{Dir.path()} + Sucursales) {
      ASSERT_TRUE(QDir(sCarpeta).mkpath(QStringLiteral("DataBase")));
      mdbgen::EscribeDesdeJson(BackOffice, sCarpeta + QStringLiteral("/DataBase/Tolvex.mdb"));
      Escribe(sCarpeta + QStringLiteral("/Tolvex.INI"), "[Control]\r\nEmpresaActiva=1\r\n");
    }
    Crea(Dir.path(), Sucursales);
    dmMain.repGeneral.SetVisor(Visor);
    LlenaCampos("ADMIN", "ADMIN");
  }

  void LlenaCampos(const char* sUsuario, const char* sPassw, int nLocalidades = 5)
  {
    QTest::keyClicks(Edit("edUsuario"), QString::fromLatin1(sUsuario));
    QTest::keyClicks(Edit("edPassw"), QString::fromLatin1(sPassw));
    const char* Ciudades[] = {"AGUASCALIENTES", "ASIENTOS", "CALVILLO", "COSIO", "TEPEZALA"};
    for (int i = 0; i < nLocalidades; ++i)
      Agrega(QStringLiteral("AGUASCALIENTES"), QString::fromLatin1(Ciudades[i]));
  }

  QString Estado() const { return Etiqueta("txMensajes")->text(); }

  void Genera(bool bRespuesta = true)
  {
    Dialogos->bRespuesta = bRespuesta;
    Boton("bnGenReporte")->click();
  }

  QTemporaryDir Dir;
  std::shared_ptr<TVisorPrueba> Visor = std::make_shared<TVisorPrueba>();
};

TEST(TextoConfirmacion, OnceLineasSeparadasPorCRCRLF)
{
  const QStringList Lineas = TextoConfirmacion().split(QStringLiteral("\r\r\n"));
  ASSERT_EQ(Lineas.size(), 11);
  EXPECT_EQ(Lineas[0], QStringLiteral("Para responder correctamente la encuesta, es muy importante "
                                      "que por favor siga estas indicaciones:"));
  EXPECT_TRUE(Lineas[2].contains(QStringLiteral("(Catálogo de \"Divisas para Compra/Venta\"; en "
                                                "Tolvex: Menú principal -> Archivo -> Opción 4 ).")));
  EXPECT_TRUE(Lineas[3].contains(QStringLiteral("Actividad a  todos")));
  EXPECT_TRUE(Lineas[3].contains(QStringLiteral("Negocio\"; en Tolvex:  Menú")));
  EXPECT_EQ(Lineas[4], QStringLiteral("4.- Instale y ejecute este programa en la carpeta raíz del "
                                      "Tolvex ( c:\\Tolvex Software\\ ).         "));
  EXPECT_EQ(Lineas[10], QStringLiteral("¿Ha seguido las indicaciones y desea continuar?"));
  EXPECT_FALSE(TextoConfirmacion().endsWith(u'\n'));
}

// A consolidated run: no instruction to join the branches' reports by hand, the back
// offices listed before the question.
TEST(TextoConfirmacion, ConsolidadoListaLosBackOfficesSinLaIndicacion6)
{
  const QStringList Lineas = TextoConfirmacion(QStringLiteral("/tolvex"), {QStringLiteral("/suc2"), QStringLiteral("/suc3")})
                                 .split(QStringLiteral("\r\r\n"));
  const QStringList Simples = TextoConfirmacion().split(QStringLiteral("\r\r\n"));
  ASSERT_EQ(Lineas.size(), 11);
  EXPECT_EQ(Lineas.mid(0, 6), Simples.mid(0, 6));
  EXPECT_EQ(Lineas[6], QStringLiteral("6.- La encuesta en su mayoría, tiene preguntas que no son posibles de "
                                      "contestar por medio de la Base de Datos del Tolvex, por lo que deberá "
                                      "contestarlas a criterio y de acuerdo la operatividad de su CC."));
  EXPECT_EQ(Lineas.mid(7, 2), Simples.mid(8, 2));
  EXPECT_EQ(Lineas[9], QStringLiteral("El reporte consolidará 3 back offices (matriz: /tolvex; sucursal: /suc2; "
                                      "sucursal: /suc3); el programa hace las sumatorias y los cálculos."));
  EXPECT_EQ(Lineas[10], Simples[10]);
  EXPECT_FALSE(Lineas.join(u'\n').contains(QStringLiteral("condensarla manualmente")));
}

struct TCasoCampos {
  const char* sUsuario;
  const char* sTipoCambio;
  int nLocalidades;
  TCampoFaltante Campo;
  const char* sMensaje;
};

class RevisaCamposTabla : public testing::TestWithParam<TCasoCampos> {};

TEST_P(RevisaCamposTabla, PrimerCampoQueFalta)
{
  const TCasoCampos& Caso = GetParam();
  const TRevisionCampos Revision = RevisaCampos(
      QString::fromLatin1(Caso.sUsuario), QString::fromLatin1(Caso.sTipoCambio), Caso.nLocalidades);
  EXPECT_EQ(Revision.Campo, Caso.Campo);
  EXPECT_EQ(Revision.sMensaje, QString::fromUtf8(Caso.sMensaje));
}

INSTANTIATE_TEST_SUITE_P(
    Casos, RevisaCamposTabla,
    testing::Values(
        TCasoCampos{"", "", 0, TCampoFaltante::Usuario,
                    "Por favor, escriba su usuario (Administrador)."},
        TCasoCampos{"   ", "13.29", 5, TCampoFaltante::Usuario,
                    "Por favor, escriba su usuario (Administrador)."},
        TCasoCampos{"ADMIN", " ", 5, TCampoFaltante::TipoCambio,
                    "Por favor, escriba el tipo de cambio."},
        TCasoCampos{"ADMIN", "0", 5, TCampoFaltante::TipoCambio,
                    "El tipo de cambio debe ser diferente a cero."},
        TCasoCampos{"ADMIN", "0.00", 5, TCampoFaltante::TipoCambio,
                    "El tipo de cambio debe ser diferente a cero."},
        TCasoCampos{"ADMIN", "1,329", 5, TCampoFaltante::TipoCambio,
                    "El tipo de cambio debe ser diferente a cero."},
        TCasoCampos{"ADMIN", "13.29", 4, TCampoFaltante::Localidades,
                    "Debe agregar 5 localidades de Riesgo."},
        TCasoCampos{" ADMIN ", "13.29", 5, TCampoFaltante::Ninguno, ""}));

TEST(ArchivosTolvex, BuscaSinImportarMayusculas)
{
  QTemporaryDir Dir;
  ASSERT_TRUE(QDir(Dir.path()).mkpath(QStringLiteral("DATABASE")));
  Escribe(Dir.filePath(QStringLiteral("DATABASE/tolvex.mdb")), "x");
  EXPECT_EQ(BuscaArchivo(Dir.path(), QStringLiteral("DataBase/Tolvex.mdb")),
            Dir.filePath(QStringLiteral("DATABASE/tolvex.mdb")));
  EXPECT_EQ(BuscaArchivo(Dir.path(), QStringLiteral("Tolvex.INI")), QString());
  EXPECT_EQ(BuscaArchivo(Dir.path(), QStringLiteral("DataBase")), QString());
}

TEST(ArchivosTolvex, LeeEnteroIniSinImportarMayusculas)
{
  QTemporaryDir Dir;
  const QString sIni = Dir.filePath(QStringLiteral("Tolvex.INI"));
  Escribe(sIni, "\xEF\xBB\xBF[General]\r\nEmpresaActiva=9\r\n[CONTROL]\r\n  empresaactiva = 7 \r\n"
                "Texto=abc\r\n");
  EXPECT_EQ(LeeEnteroIni(sIni, QStringLiteral("Control"), QStringLiteral("EmpresaActiva"), 0), 7);
  EXPECT_EQ(LeeEnteroIni(sIni, QStringLiteral("Control"), QStringLiteral("Texto"), 0), 0);
  EXPECT_EQ(LeeEnteroIni(sIni, QStringLiteral("Control"), QStringLiteral("Falta"), -1), -1);
  EXPECT_EQ(LeeEnteroIni(sIni, QStringLiteral("Otra"), QStringLiteral("EmpresaActiva"), 0), 0);
  EXPECT_EQ(LeeEnteroIni(Dir.filePath(QStringLiteral("no.ini")), QStringLiteral("Control"),
                         QStringLiteral("EmpresaActiva"), 0),
            0);
}

TEST_F(RutaReporte, SinVentanaAvisaLaCargaYRechazaElAcceso)
{
  Prepara("", "[Control]\nEmpresaActiva=3\n");
  auto Mensajero = std::make_shared<TMensajeroPrueba>();
  TRutaReporte Ruta(Mensajero, dmMain, Dir.path());
  bool bAvisado = false;
  EXPECT_EQ(Ruta.GeneraReporte(QStringLiteral("ADMIN"), QStringLiteral("OTRA"),
                               QStringLiteral("13.29"), Ventana->ListaLocs(),
                               [&bAvisado] { bAvisado = true; }, Acepta),
            TResultadoRuta::AccesoRechazado);
  EXPECT_TRUE(bAvisado);
  const QStringList& Llamadas = Mensajero->Llamadas;
  ASSERT_GE(Llamadas.size(), 3);
  EXPECT_EQ(Llamadas.first(), QStringLiteral("Espera:Conectando con la BD..."));
  EXPECT_TRUE(Llamadas.contains(QStringLiteral("EnTx:Cargando la tabla tCompUsr de la BD: 100%")))
      << Llamadas.join(u'|').toStdString();
  EXPECT_EQ(Llamadas.mid(Llamadas.size() - 2),
            (QStringList{QStringLiteral("Larga:La contraseña es incorrecta o, el usuario no tiene "
                                        "permisos de administrador."),
                         QStringLiteral("EnTx:") + CC_FALLA}));
  EXPECT_TRUE(Dialogos->Mensajes.isEmpty());
}

// Tables load while the questions run; once a table is loaded the status line
// goes back to the survey's own text, so a finished load never stays on it.
TEST_F(RutaReporte, TrasCargarUnaTablaVuelveElTextoDeLaEncuesta)
{
  PreparaCompleto();
  auto Mensajero = std::make_shared<TMensajeroPrueba>();
  TRutaReporte Ruta(Mensajero, dmMain, Dir.path());
  ASSERT_EQ(Ruta.GeneraReporte(QStringLiteral("ADMIN"), QStringLiteral("ADMIN"),
                               QStringLiteral("13.29"), Ventana->ListaLocs(), nullptr, Acepta),
            TResultadoRuta::Exito);
  const QStringList& Llamadas = Mensajero->Llamadas;
  const QString sTodas = Llamadas.join(u'|');
  // The pre-flight checks before the questions load most tables.
  const qsizetype nInicio =
      Llamadas.indexOf(QStringLiteral("EnTx:Revisando la base de datos del Tolvex..."));
  ASSERT_GE(nInicio, 0) << sTodas.toStdString();
  int nCargasEnPreguntas = 0;
  QString sEncuesta;  // the survey's last text
  for (qsizetype i = nInicio; i < Llamadas.size(); ++i) {
    const QString sTexto = Llamadas[i].section(u':', 1);
    if (!sTexto.startsWith(QStringLiteral("Cargando la tabla "))) {
      sEncuesta = sTexto;
      continue;
    }
    if (!sTexto.endsWith(QStringLiteral(": 100%")))
      continue;
    ++nCargasEnPreguntas;
    ASSERT_LT(i + 1, Llamadas.size());
    EXPECT_EQ(Llamadas[i + 1], QStringLiteral("EnTx:") + sEncuesta) << sTodas.toStdString();
  }
  EXPECT_GE(nCargasEnPreguntas, 5) << sTodas.toStdString();
  EXPECT_TRUE(Llamadas.contains(QStringLiteral("EnTx:Por favor espere... 11%")));
  EXPECT_EQ(Llamadas.mid(Llamadas.size() - 3),
            (QStringList{QStringLiteral("Espera:Por favor espere... 100%"),
                         QStringLiteral("Espera:Preparando reporte..."),
                         QStringLiteral("EnTx:") + CC_EXITO}));
}

TEST_F(RutaReporte, SinVentanaCadaRechazoTieneSuResultado)
{
  Crea(Dir.path());
  auto Mensajero = std::make_shared<TMensajeroPrueba>();
  TRutaReporte Ruta(Mensajero, dmMain, Dir.path());
  EXPECT_EQ(Ruta.GeneraReporte(QStringLiteral("ADMIN"), QStringLiteral("ADMIN"),
                               QStringLiteral("13.29"), Ventana->ListaLocs(), nullptr, Acepta),
            TResultadoRuta::SinBD);
  EXPECT_EQ(Mensajero->Llamadas, QStringList{QStringLiteral("EnTx:") + CC_FALLA});
  // A file that is not a database: the connection layer speaks for itself.
  ASSERT_TRUE(QDir(Dir.path()).mkdir(QStringLiteral("DataBase")));
  Escribe(Dir.filePath(QStringLiteral("DataBase/Tolvex.mdb")), "no es una base de datos");
  EXPECT_EQ(Ruta.GeneraReporte(QStringLiteral("ADMIN"), QStringLiteral("ADMIN"),
                               QStringLiteral("13.29"), Ventana->ListaLocs(), nullptr, Acepta),
            TResultadoRuta::SinConexion);
  EXPECT_EQ(Mensajero->Llamadas.last(), QStringLiteral("EnTx:") + CC_FALLA);
}

TEST_F(RutaReporte, UsuarioVacioParpadeaEnfocaYAvisa)
{
  Crea(Dir.path());
  LlenaCampos("", "");
  Edit("edUsuario")->setText(QStringLiteral("   "));
  Edit("edCambio")->setFocus();
  Genera();
  EXPECT_TRUE(Edit("edUsuario")->hasFocus());
  EXPECT_EQ(Estado(), QStringLiteral("Por favor, escriba su usuario (Administrador)."));
  QTRY_COMPARE_WITH_TIMEOUT(Etiqueta("txUsuario")->palette().color(QPalette::WindowText),
                            QColor(255, 0, 0), 1000);
  EXPECT_TRUE(Dialogos->Advertencias.isEmpty());
  QTRY_COMPARE_WITH_TIMEOUT(Etiqueta("txUsuario")->palette().color(QPalette::WindowText),
                            QColor(72, 72, 72), 4000);
}

TEST_F(RutaReporte, TipoDeCambioCeroOVacio)
{
  Crea(Dir.path());
  LlenaCampos("ADMIN", "ADMIN");
  Edit("edCambio")->setText(QStringLiteral("0.00"));
  Genera();
  EXPECT_EQ(Estado(), QStringLiteral("El tipo de cambio debe ser diferente a cero."));
  EXPECT_TRUE(Edit("edCambio")->hasFocus());
  Edit("edCambio")->clear();
  Genera();
  EXPECT_EQ(Estado(), QStringLiteral("Por favor, escriba el tipo de cambio."));
  EXPECT_TRUE(Dialogos->Advertencias.isEmpty());
}

TEST_F(RutaReporte, CuatroLocalidadesEnfocaElEstado)
{
  Crea(Dir.path());
  LlenaCampos("ADMIN", "ADMIN", 4);
  Genera();
  EXPECT_EQ(Estado(), QStringLiteral("Debe agregar 5 localidades de Riesgo."));
  EXPECT_TRUE(Combo("cbEstado")->hasFocus());
  EXPECT_TRUE(Dialogos->Advertencias.isEmpty());
}

// The confirmation follows the login, with what the pre-flight checks found above it.
const QString CC_HALLAZGOS = QStringLiteral(
    "Revisión de la Base de Datos del Tolvex:\r\r\n"
    "- Localidades elegidas sin ninguna ciudad del Tolvex con su clave: 00103002 CALVILLO, "
    "00104002 COSIO, 00109002 TEPEZALA.\r\r\n\r\r\n");

TEST_F(RutaReporte, NoEnLaConfirmacionCancela)
{
  PreparaCompleto();
  Genera(false);
  EXPECT_EQ(Dialogos->Advertencias, QStringList{CC_HALLAZGOS + TextoConfirmacion()});
  EXPECT_EQ(Estado(), QStringLiteral("Proceso cancelado."));
  EXPECT_TRUE(Dialogos->Mensajes.isEmpty());
  EXPECT_EQ(Visor->nMostrado, 0);
  EXPECT_TRUE(Boton("bnGenReporte")->isEnabled());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// "13,29" typed where the comma is not the decimal separator would become 1329.
TEST_F(RutaReporte, TipoDeCambioLejanoSePreguntaYLaComaSeExplica)
{
  PreparaCompleto();
  Edit("edCambio")->clear();
  QTest::keyClicks(Edit("edCambio"), QStringLiteral("13,29"));
  EXPECT_EQ(Edit("edCambio")->text(), QStringLiteral("1329"));
  EXPECT_EQ(Estado(), QStringLiteral("Se ignoró la coma: el tipo de cambio lleva punto decimal "
                                     "(13.29) y no lleva separadores de miles."));
  Genera(true);  // the rate is answered No: nothing else is asked
  EXPECT_EQ(Dialogos->Preguntas,
            QStringList{QStringLiteral("El tipo de cambio 1,329.00 es muy distinto del sugerido "
                                       "(13.29). ¿Desea continuar?")});
  EXPECT_TRUE(Dialogos->Advertencias.isEmpty());
  EXPECT_EQ(Estado(), QStringLiteral("Proceso cancelado."));
  EXPECT_TRUE(Edit("edCambio")->hasFocus());
  EXPECT_EQ(Visor->nMostrado, 0);
  Dialogos->bRespuestaPregunta = true;
  Genera(true);
  EXPECT_EQ(Dialogos->Preguntas.size(), 2);
  EXPECT_EQ(Visor->nMostrado, 1);
  Edit("edCambio")->setText(QStringLiteral("26.58"));  // within twice the suggested rate
  Genera(true);
  EXPECT_EQ(Dialogos->Preguntas.size(), 2);
  EXPECT_EQ(Visor->nMostrado, 2);
}

TEST_F(RutaReporte, SinBaseDeDatosEnLaCarpeta)
{
  Crea(Dir.path());
  LlenaCampos("ADMIN", "ADMIN");
  Genera();
  EXPECT_EQ(Dialogos->Mensajes,
            QStringList{QStringLiteral(
                "Error: Este programa debe encontrarse en la carpeta raíz del Tolvex.")});
  EXPECT_EQ(Estado(), CC_FALLA);
  EXPECT_TRUE(Boton("bnGenReporte")->isEnabled());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(RutaReporte, SinIniOEmpresaCero)
{
  for (const QByteArray& Ini : {QByteArray(), QByteArray("[Control]\r\nEmpresaActiva=0\r\n"),
                                QByteArray("[Control]\r\nOtra=3\r\n")}) {
    QTemporaryDir Otra;
    Dir.swap(Otra);
    TearDown();
    Dialogos->Mensajes.clear();
    Prepara("", Ini);
    LlenaCampos("ADMIN", "ADMIN");
    Genera();
    EXPECT_EQ(Dialogos->Mensajes,
              QStringList{QStringLiteral("No se pudo extraer el Número de la Empresa predeterminada.")});
    EXPECT_EQ(Estado(), CC_FALLA);
    EXPECT_EQ(Visor->nMostrado, 0);
  }
}

TEST_F(RutaReporte, UsuariosConectados)
{
  Prepara(R"(["CAJERO"])", "[control]\nempresaactiva=3\n");
  LlenaCampos("ADMIN", "ADMIN");
  Genera();
  EXPECT_EQ(Dialogos->Mensajes,
            QStringList{QStringLiteral(
                "Hay un usuario conectado a la BD. Cierre Tolvex antes de continuar.")});
  EXPECT_EQ(Estado(), CC_FALLA);
  EXPECT_EQ(Visor->nMostrado, 0);
}

TEST_F(RutaReporte, AccesoRechazadoEnfocaElPassword)
{
  Prepara("", "[Control]\nEmpresaActiva=3\n");
  LlenaCampos("CAJERO", "CAJA");
  Genera();
  EXPECT_TRUE(Dialogos->Mensajes.isEmpty());
  EXPECT_EQ(Estado(), CC_FALLA);
  EXPECT_TRUE(Edit("edPassw")->hasFocus());
  QTRY_COMPARE_WITH_TIMEOUT(Etiqueta("txPassw")->palette().color(QPalette::WindowText),
                            QColor(255, 0, 0), 1000);
  EXPECT_EQ(Visor->nMostrado, 0);
}

TEST_F(RutaReporte, ElReporteSeMuestraYLaVentanaNoCierraDuranteLaCorrida)
{
  Prepara("", "[Control]\nEmpresaActiva=3\n");
  LlenaCampos("ADMIN", "ADMIN");
  bool bCerro = true;
  bool bBotonHabilitado = true;
  QString sAviso;
  bool bAvisoModal = true;
  QPointer<QMessageBox> Aviso;
  bool bAvisoConOtroDialogo = true;
  bool bAvisoOtraVez = false;
  const auto AvisoVisible = [this] {
    for (const QMessageBox* Caja : Ventana->findChildren<QMessageBox*>("msgCierreRechazado"))
      if (Caja->isVisible())
        return true;
    return false;
  };
  Visor->Accion = [&] {
    bCerro = Ventana->close();
    Aviso = Ventana->findChild<QMessageBox*>("msgCierreRechazado");
    if (Aviso) {
      sAviso = Aviso->text();
      bAvisoModal = Aviso->isModal() || !Aviso->isVisible();
    }
    bBotonHabilitado = Boton("bnGenReporte")->isEnabled();
    Boton("bnGenReporte")->click();
    // A modal dialog of the run (the preview, a message) takes the window over.
    QDialog Otro(Ventana.get());
    Otro.setModal(true);
    Otro.show();
    bAvisoConOtroDialogo = Aviso && Aviso->isVisible();
    Otro.hide();
    Ventana->close();  // the notice again, until the run ends
    bAvisoOtraVez = AvisoVisible();
  };
  Genera();
  const bool bAvisoTrasTerminar = AvisoVisible();
  EXPECT_EQ(Visor->nMostrado, 1);
  EXPECT_EQ(Dialogos->Advertencias.size(), 1);
  EXPECT_FALSE(bCerro);
  // The user is told why, and the run goes on while the notice is up.
  EXPECT_EQ(sAviso, "Espere a que termine de generarse el reporte.");
  EXPECT_FALSE(bAvisoModal);
  EXPECT_FALSE(bAvisoConOtroDialogo);
  EXPECT_TRUE(bAvisoOtraVez);
  // Once the run ends, no notice tells the user to wait.
  EXPECT_FALSE(bAvisoTrasTerminar);
  EXPECT_FALSE(bBotonHabilitado);
  // This back office lacks the survey's tables: the questions fail, the report still shows.
  EXPECT_EQ(Estado(), CC_FALLA);
  EXPECT_TRUE(Boton("bnGenReporte")->isEnabled());
  EXPECT_TRUE(Ventana->close());
}

// A complete back office (the command line's fixture): every question answers.
TEST_F(RutaReporte, ConElBackOfficeCompletoElReporteSeGeneraCorrectamente)
{
  PreparaCompleto();
  Genera();
  EXPECT_EQ(Visor->nMostrado, 1);
  EXPECT_EQ(Dialogos->Advertencias, QStringList{CC_HALLAZGOS + TextoConfirmacion()});
  EXPECT_TRUE(Dialogos->Mensajes.isEmpty()) << Dialogos->Mensajes.join('\n').toStdString();
  EXPECT_EQ(Estado(), CC_EXITO);
  EXPECT_EQ(dmMain.repGeneral.TextoImpreso(QStringLiteral("NombreCC")),
            QStringLiteral("Casa de Cambio O'Higgins, S.A. de C.V."));
  EXPECT_EQ(dmMain.repGeneral.TextoImpreso(QStringLiteral("preg_21.2")), QStringLiteral("2"));
  EXPECT_EQ(dmMain.repGeneral.TextoImpreso(QStringLiteral("preg_5.1.1")),
            QStringLiteral("AGUASCALIENTES (CLAVE: 00101003)"));
}

// With branches the title and the confirmation say the report is consolidated, and so
// does the report: its foot and its notice page.
TEST_F(RutaReporte, ConsolidadoConSucursales)
{
  const QString sSucursal = Dir.filePath(QStringLiteral("sucursal"));
  PreparaCompleto({sSucursal});
  EXPECT_EQ(Ventana->windowTitle(),
            QStringLiteral("Encuesta de Evaluación de Riesgo GAFI - 2016 - Reporte consolidado de 2 back offices"));
  Genera();
  ASSERT_EQ(Dialogos->Advertencias.size(), 1);
  // The pre-flight findings, if any, come first; the consolidated instructions close it.
  EXPECT_TRUE(Dialogos->Advertencias.first().endsWith(TextoConfirmacion(Dir.path(), {sSucursal})))
      << Dialogos->Advertencias.first().toStdString();
  EXPECT_TRUE(Dialogos->Mensajes.isEmpty()) << Dialogos->Mensajes.join('\n').toStdString();
  EXPECT_EQ(Estado(), CC_EXITO);
  EXPECT_EQ(dmMain.repGeneral.TextoImpreso(QStringLiteral("NombreCC")),
            QStringLiteral("Casa de Cambio O'Higgins, S.A. de C.V. · Reporte consolidado de 2 back offices"));
  // The same back office twice: every count doubles.
  EXPECT_EQ(dmMain.repGeneral.TextoImpreso(QStringLiteral("preg_21.2")), QStringLiteral("4"));
  EXPECT_EQ(dmMain.repGeneral.TextoMemo(QStringLiteral("txAviso")),
            QStringLiteral("REPORTE CONSOLIDADO de 2 back offices; el programa ya hizo las sumatorias y los "
                           "cálculos para consolidarlos: matriz %1 (empresa 1); sucursal %2 (empresa 1).\n\n"
                           "NOTA 2:La información que aparece entre paréntesis es solamente de carácter "
                           "informativo y no debe capturarse en el cuestionario. La misma es auxiliar para "
                           "hacer los cálculos en el caso que el CC cuente con sucursales.")
                .arg(Dir.path(), sSucursal));
}

TEST_F(RutaReporte, UnErrorQueEscapaSeMuestraSinTextoFinal)
{
  Prepara("", "[Control]\nEmpresaActiva=3\n");
  LlenaCampos("ADMIN", "ADMIN");
  Visor->Accion = [] { throw std::runtime_error("Falla inesperada"); };
  Genera();
  ASSERT_FALSE(Dialogos->Mensajes.isEmpty());
  EXPECT_EQ(Dialogos->Mensajes.last(), QStringLiteral("Falla inesperada"));
  EXPECT_NE(Estado(), CC_FALLA);
  EXPECT_NE(Estado(), CC_EXITO);
  EXPECT_TRUE(Boton("bnGenReporte")->isEnabled());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  EXPECT_TRUE(Ventana->close());
}

}  // namespace
