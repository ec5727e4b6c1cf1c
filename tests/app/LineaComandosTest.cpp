// `encuesta-gafi generar` run as a user runs it: the real program on a back
// office written with mdbgen whose answers are known by construction.
#include <gtest/gtest.h>

#include "EjecutaPrograma.h"
#include "PrefijoSinPermisos.h"
#include "ado/ArchivoMdb.h"
#include "mdbgen/EscritorMdb.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <functional>

namespace {

const QStringList CC_CLAVES = {"00101003", "00101027", "00102002", "00103002", "00103003"};

// The fixture's back office, optionally changed table by table before writing.
QJsonObject BackOffice()
{
  QFile Archivo(QStringLiteral(ENCUESTA_TEST_DATA "/datos/tolvex_generar.json"));
  Archivo.open(QIODevice::ReadOnly);
  return QJsonDocument::fromJson(Archivo.readAll()).object();
}

void CambiaTabla(QJsonObject& Bd, const QString& sTabla, const std::optional<QJsonArray>& Filas)
{
  QJsonArray Tablas;
  for (const QJsonValue& Tabla : Bd["tables"].toArray()) {
    QJsonObject Objeto = Tabla.toObject();
    if (Objeto["name"].toString() != sTabla)
      Tablas.append(Objeto);
    else if (Filas) {
      Objeto["rows"] = *Filas;
      Tablas.append(Objeto);
    }
  }
  Bd["tables"] = Tablas;
}

class LineaComandos : public ::testing::Test {
 protected:
  // Writes the Tolvex folder (or sCarpeta): DataBase/Tolvex.mdb and Tolvex.INI.
  void EscribeTolvex(const QJsonObject& Bd, const QByteArray& Ini = "[Control]\r\nEmpresaActiva=1\r\n",
                     QString sCarpeta = {})
  {
    if (sCarpeta.isEmpty())
      sCarpeta = Carpeta();
    QDir(sCarpeta).mkpath(QStringLiteral("DataBase"));
    mdbgen::EscribeDesdeJson(QJsonDocument(Bd).toJson(), sCarpeta + "/DataBase/Tolvex.mdb");
    QFile Archivo(sCarpeta + "/Tolvex.INI");
    Archivo.open(QIODevice::WriteOnly);
    Archivo.write(Ini);
  }
  QString Carpeta() const { return F_dir.path(); }
  QString Salida(const QString& sNombre) const { return F_dir.filePath(sNombre); }

  QStringList Argumentos(const QStringList& Cambios = {}) const
  {
    QStringList Args = {"generar", "--carpeta", Carpeta(), "--usuario", "ADMIN",
                        "--password", "ADMIN", "--json", Salida("r.json")};
    for (const QString& sClave : CC_CLAVES)
      Args << "--localidad" << sClave;
    return Args + Cambios;
  }

  QTemporaryDir F_dir;
};

TEST_F(LineaComandos, EscribeLasRespuestasEnJsonYPdf)
{
  EscribeTolvex(BackOffice());
  const TEjecucion R = Ejecuta(Argumentos({"--tipo-cambio", "13.29", "--pdf", Salida("r.pdf")}));
  ASSERT_EQ(R.nSalida, 0) << R.sError.toStdString();
  EXPECT_TRUE(R.sError.contains("El reporte se generó correctamente."));

  QFile Json(Salida("r.json"));
  ASSERT_TRUE(Json.open(QIODevice::ReadOnly));
  const QByteArray Texto = Json.readAll();
  const QJsonObject V = QJsonDocument::fromJson(Texto).object();
  EXPECT_EQ(V.size(), 126);
  // Template order: the company first, the last answers of question 5 at the end.
  EXPECT_TRUE(Texto.startsWith("{\n  \"NombreCC\": "));
  EXPECT_TRUE(QString::fromUtf8(Texto).contains(QRegularExpression("\n  \"preg_5.5.4\": [^\n]*\n}\n$")));
  EXPECT_EQ(V["NombreCC"].toString(), "Casa de Cambio O'Higgins, S.A. de C.V.");
  // 3000 USD, 3001 USD and 2500 EUR at 20 (3762.2 USD), 1,000,000 USD; 0.75 USD in no row;
  // 2013 and cancelled operations left out.
  EXPECT_EQ(V["preg_21.1"].toString(), "1");
  EXPECT_EQ(V["preg_21.2"].toString(), "2");
  EXPECT_EQ(V["preg_21.3"].toString(), "1");
  // Foreign natural person: two operations; foreign legal person: one.
  EXPECT_EQ(V["preg_22.1"].toString(), "2");
  EXPECT_EQ(V["preg_22.2"].toString(), "1");

  QProcess Info;
  Info.start("pdfinfo", {Salida("r.pdf")});
  Info.waitForFinished();
  const QString sInfo = QString::fromUtf8(Info.readAllStandardOutput());
  EXPECT_TRUE(sInfo.contains(QRegularExpression("Pages:\\s+9"))) << sInfo.toStdString();
  EXPECT_TRUE(sInfo.contains(QRegularExpression("Author:\\s+Tolvex")));
}

struct TCasoEntrada {
  const char* sNombre;
  QStringList Cambios;
  const char* sMensaje;
};

// Wrong input of the command itself: status 2 and a message naming the problem.
TEST_F(LineaComandos, EntradaIncorrectaSale2)
{
  EscribeTolvex(BackOffice());
  const QList<TCasoEntrada> Casos = {
      {"usuario en blanco", {"--usuario", "   "}, "Por favor, escriba su usuario (Administrador)."},
      {"tipo de cambio cero", {"--tipo-cambio", "0.00"}, "El tipo de cambio debe ser diferente a cero."},
      {"tipo de cambio vacío", {"--tipo-cambio", ""}, "Por favor, escriba el tipo de cambio."},
      {"tipo de cambio no numérico", {"--tipo-cambio", "trece"}, "trece"},
      {"separador de miles", {"--tipo-cambio", "1,013.5"}, "1,013.5"},
      {"sexta localidad", {"--localidad", "00104002"}, "Debe agregar 5 localidades de Riesgo."},
      {"clave desconocida", {"--localidad", "99999999"}, "99999999"},
      {"clave repetida", {"--localidad", "00101003"}, "repetida"},
      {"carpeta de salida inexistente", {"--pdf", "/no/existe/r.pdf"}, "/no/existe"},
      {"opción desconocida", {"--formato", "x"}, "--formato"},
  };
  for (const TCasoEntrada& Caso : Casos) {
    const TEjecucion R = Ejecuta(Argumentos(Caso.Cambios));
    EXPECT_EQ(R.nSalida, 2) << Caso.sNombre;
    EXPECT_TRUE(R.sError.contains(QString::fromUtf8(Caso.sMensaje)))
        << Caso.sNombre << ": " << R.sError.toStdString();
  }
  EXPECT_EQ(Ejecuta({"generar", "--carpeta", Carpeta(), "--usuario", "ADMIN"}).nSalida, 2);
  const TEjecucion Ayuda = Ejecuta({"--help"});
  EXPECT_EQ(Ayuda.nSalida, 0);
  EXPECT_TRUE(Ayuda.sSalida.contains("--localidad"));
}

struct TCasoSinPantalla {
  QStringList Argumentos;
  int nSalida;
  bool bEnSalida;  // the text goes to standard output (else standard error)
  QStringList Textos;
};

// Help, version, usage errors and the window asked for without a display: no
// display is needed, each ends with its documented status and names the way on.
TEST(LineaComandosSinPantalla, AyudaVersionYErroresDeUso)
{
  const QStringList Uso = {"Uso:\n  encuesta-gafi [--carpeta CARPETA] [--catalogo ARCHIVO.csv] [--sucursal CARPETA]...\n"
                           "  encuesta-gafi generar ",
                           "  encuesta-gafi --help\n",
                           "Use encuesta-gafi --help para ver todas las opciones.\n"};
  const QList<TCasoSinPantalla> Casos = {
      {{"--help"}, 0, true, {"encuesta-gafi generar", "Estado de salida:", "  --version"}},
      {{"-h"}, 0, true, {"encuesta-gafi generar", "Estado de salida:"}},
      {{"generar", "--help"}, 0, true, {"encuesta-gafi generar", "Estado de salida:"}},
      {{"localidades", "--help"}, 0, true, {"encuesta-gafi localidades", "--forzar-tipo-cambio", "--catalogo"}},
      {{"--version"}, 0, true, {"encuesta-gafi 1.0.0\nEncuesta de Evaluación de Riesgo GAFI 2016\n"}},
      {{"--formato"}, 2, false, Uso + QStringList{"Opción desconocida: --formato\n\nUso:"}},
      {{"--carpeta"}, 2, false, Uso + QStringList{"Falta el valor de --carpeta\n"}},
      {{"--carpeta", "/tmp", "--version"}, 2, false, Uso + QStringList{"Opción desconocida: --version\n"}},
      {{"generar", "--formato", "x"}, 2, false, Uso + QStringList{"Opción desconocida: --formato\n"}},
      {{}, 2, false, Uso + QStringList{"No hay pantalla para abrir la ventana. Sin pantalla, use la orden generar.\n"}},
      {{"--carpeta", "/tmp"}, 2, false, Uso + QStringList{"No hay pantalla para abrir la ventana."}},
      {{"--carpeta", "/tmp", "--sucursal"}, 2, false, Uso + QStringList{"Falta el valor de --sucursal\n"}},
      {{"--carpeta", "/tmp", "--sucursal", "/tmp/"}, 2, false,
       Uso + QStringList{"La carpeta /tmp/ se indicó dos veces: cada back office se consolida una sola vez.\n"}},
  };
  for (const TCasoSinPantalla& Caso : Casos) {
    const QString sCaso = Caso.Argumentos.join(' ');
    const TEjecucion R = Ejecuta(Caso.Argumentos);
    EXPECT_EQ(R.nSalida, Caso.nSalida) << sCaso.toStdString() << ": " << R.sError.toStdString();
    const QString& sTexto = Caso.bEnSalida ? R.sSalida : R.sError;
    EXPECT_TRUE((Caso.bEnSalida ? R.sError : R.sSalida).isEmpty()) << sCaso.toStdString();
    for (const QString& sEsperado : Caso.Textos)
      EXPECT_TRUE(sTexto.contains(sEsperado))
          << sCaso.toStdString() << ": " << sEsperado.toStdString() << " in " << sTexto.toStdString();
  }
}

// The back office refuses the run: status 3, the window's own message, no report.
TEST_F(LineaComandos, RechazoDelBackOfficeSale3)
{
  EscribeTolvex(BackOffice());
  TEjecucion R = Ejecuta(Argumentos({"--password", "OTRA"}));
  EXPECT_EQ(R.nSalida, 3);
  EXPECT_TRUE(R.sError.contains(
      "La contraseña es incorrecta o, el usuario no tiene permisos de administrador."));
  EXPECT_TRUE(R.sError.contains("No fue posible generar el reporte. Llame a Soporte Técnico."));
  EXPECT_FALSE(QFile::exists(Salida("r.json")));

  EXPECT_EQ(Ejecuta(Argumentos({"--usuario", "CAJERO", "--password", "CAJERO"})).nSalida, 3);

  R = Ejecuta(Argumentos({"--carpeta", Carpeta() + "/no-existe"}));
  EXPECT_EQ(R.nSalida, 3);
  EXPECT_TRUE(R.sError.contains("no-existe"));

  QDir(Carpeta()).mkdir("vacia");
  R = Ejecuta(Argumentos({"--carpeta", Carpeta() + "/vacia"}));
  EXPECT_EQ(R.nSalida, 3);
  EXPECT_TRUE(R.sError.contains("Error: Este programa debe encontrarse en la carpeta raíz del Tolvex."));

  EscribeTolvex(BackOffice(), "[control]\nempresaactiva=0\n");
  R = Ejecuta(Argumentos());
  EXPECT_EQ(R.nSalida, 3);
  EXPECT_TRUE(R.sError.contains("No se pudo extraer el Número de la Empresa predeterminada."));

  // A number the back office has no company for: every answer would be empty.
  EscribeTolvex(BackOffice(), "[Control]\r\nEmpresaActiva=7\r\n");
  R = Ejecuta(Argumentos());
  EXPECT_EQ(R.nSalida, 3);
  EXPECT_TRUE(R.sError.startsWith(
      "No existe la empresa número 7 en la base de datos del Tolvex (EmpresaActiva de " +
      QDir::toNativeSeparators(QDir(Carpeta()).absoluteFilePath("Tolvex.INI")) + ").\n"))
      << R.sError.toStdString();
  EXPECT_FALSE(QFile::exists(Salida("r.json")));

  QJsonObject Conectados = BackOffice();
  CambiaTabla(Conectados, "tCompUsr", QJsonArray{QJsonArray{"CAJERO"}});
  EscribeTolvex(Conectados);
  R = Ejecuta(Argumentos());
  EXPECT_EQ(R.nSalida, 3);
  EXPECT_TRUE(R.sError.contains("Hay un usuario conectado a la BD. Cierre Tolvex antes de continuar."));
}

// A database the user may not read: the system's reason in Spanish. Root reads
// every file, so as root the program runs as nobody.
TEST_F(LineaComandos, BaseDeDatosIlegibleSeExplicaEnEspanol)
{
  EscribeTolvex(BackOffice());
  const auto Todos = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                     QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
  ASSERT_TRUE(QFile::setPermissions(Carpeta(), Todos));
  ASSERT_TRUE(QFile::setPermissions(Carpeta() + "/DataBase",
                                    Todos & ~QFileDevice::WriteOther));
  ASSERT_TRUE(QFile::setPermissions(Carpeta() + "/DataBase/Tolvex.mdb", QFileDevice::WriteOwner));
  const TEjecucion R = Ejecuta(Argumentos(), PrefijoSinPermisos());
  EXPECT_EQ(R.nSalida, 3) << R.sError.toStdString();
  EXPECT_TRUE(R.sError.contains("No se puede leer el archivo de base de datos \"" + Carpeta() +
                                "/DataBase/Tolvex.mdb\": no tiene permiso (permiso denegado)."))
      << R.sError.toStdString();
  EXPECT_FALSE(R.sError.contains("Permission denied"));
}

// A damaged back office: status 3 and the damaged-file message naming the table, never
// another refusal's message, never a report (a failed tCompUsr read used to say "users
// connected"; a failed question used to leave a report with status 1).
TEST_F(LineaComandos, BackOfficeDanadoSale3)
{
  struct TCaso {
    const char* sTabla;  // its stored row count is raised by one
    const char* sMensaje;
  };
  const QList<TCaso> Casos = {
      {"tCompUsr", "está dañada (tabla \"tCompUsr\", se leyeron 0 de las 1 filas que guarda)."},
      {"tMovtos", "está dañada (tabla \"tMovtos\", se leyeron "},
      {nullptr, "está dañada (cabecera del archivo)."},
  };
  for (const TCaso& Caso : Casos) {
    EscribeTolvex(BackOffice());
    const QString sRuta = Carpeta() + "/DataBase/Tolvex.mdb";
    qsizetype nByte = 0x78;  // the header's creation date
    if (Caso.sTabla)
      nByte = qsizetype(ado::TArchivoMdb(sRuta).Entrada(QString::fromUtf8(Caso.sTabla))->nPagina) * 4096 + 16;
    QFile Archivo(sRuta);
    ASSERT_TRUE(Archivo.open(QIODevice::ReadWrite));
    QByteArray Bytes = Archivo.readAll();
    Bytes[nByte] = char(Caso.sTabla ? Bytes[nByte] + 1 : Bytes[nByte] ^ 0x10);
    Archivo.seek(0);
    Archivo.write(Bytes);
    Archivo.close();
    const TEjecucion R = Ejecuta(Argumentos());
    EXPECT_EQ(R.nSalida, 3) << R.sError.toStdString();
    EXPECT_TRUE(R.sError.contains(QStringLiteral("La base de datos \"%1\" ").arg(sRuta) + QString::fromUtf8(Caso.sMensaje)))
        << R.sError.toStdString();
    EXPECT_FALSE(R.sError.contains("Hay un usuario conectado")) << R.sError.toStdString();
    EXPECT_FALSE(R.sError.contains("contraseña")) << R.sError.toStdString();
    EXPECT_FALSE(QFile::exists(Salida("r.json")));
  }
}

// Every branch is checked as the head office is; a refusal names the branch's folder.
TEST_F(LineaComandos, SucursalRechazadaNombraSuCarpeta)
{
  EscribeTolvex(BackOffice());
  const QString sSucursal = Carpeta() + "/sucursal";
  const QByteArray CC_INI = "[Control]\r\nEmpresaActiva=2\r\n";
  // The branch's own company, 2, besides the head office's.
  QJsonObject Sucursal = BackOffice();
  CambiaTabla(Sucursal, "tEmpresa", QJsonArray{QJsonArray{1, "MATRIZ", "CCO010101AAA", "CC-001"},
                                               QJsonArray{2, "SUCURSAL", "CCO010101AAA", "CC-002"}});
  QJsonObject Conectados = Sucursal;
  CambiaTabla(Conectados, "tCompUsr", QJsonArray{QJsonArray{"CAJERO"}});
  QJsonObject OtraContrasena = Sucursal;
  CambiaTabla(OtraContrasena, "tEmps", QJsonArray{QJsonArray{"ADMIN", "SUCURSAL", 0}});
  QJsonObject OtraClaveBD = Sucursal;
  OtraClaveBD["password"] = "otra";
  struct TCaso {
    const char* sNombre;
    std::function<void()> Prepara;
    QString sMensaje;
  };
  const QList<TCaso> Casos = {
      {"sin base de datos", [&] { QDir(sSucursal).mkpath("."); },
       "no se encontró la base de datos del Tolvex (DataBase\\Tolvex.mdb)."},
      {"otra contraseña de la BD", [&] { EscribeTolvex(OtraClaveBD, CC_INI, sSucursal); },
       "no fue posible conectar con la BD."},
      {"sin empresa", [&] { EscribeTolvex(Sucursal, "[Control]\r\n", sSucursal); },
       "No se pudo extraer el Número de la Empresa predeterminada."},
      {"empresa que no existe", [&] { EscribeTolvex(Sucursal, "[Control]\r\nEmpresaActiva=7\r\n", sSucursal); },
       "No existe la empresa número 7 en la base de datos del Tolvex (EmpresaActiva de " +
           QDir::toNativeSeparators(QDir(sSucursal).absoluteFilePath("Tolvex.INI")) + ")."},
      {"usuarios conectados", [&] { EscribeTolvex(Conectados, CC_INI, sSucursal); },
       "Hay un usuario conectado a la BD. Cierre Tolvex antes de continuar."},
      {"otra contraseña", [&] { EscribeTolvex(OtraContrasena, CC_INI, sSucursal); },
       "La contraseña es incorrecta o, el usuario no tiene permisos de administrador."},
  };
  for (const TCaso& Caso : Casos) {
    QDir(sSucursal).removeRecursively();
    Caso.Prepara();
    const TEjecucion R = Ejecuta(Argumentos({"--sucursal", sSucursal}));
    EXPECT_EQ(R.nSalida, 3) << Caso.sNombre << ": " << R.sError.toStdString();
    EXPECT_TRUE(R.sError.contains("Sucursal " + sSucursal + ": " + Caso.sMensaje))
        << Caso.sNombre << ": " << R.sError.toStdString();
    EXPECT_FALSE(QFile::exists(Salida("r.json"))) << Caso.sNombre;
  }

  const TEjecucion Repetida = Ejecuta(Argumentos({"--sucursal", Carpeta() + "/."}));
  EXPECT_EQ(Repetida.nSalida, 2);
  EXPECT_TRUE(Repetida.sError.contains("se indicó dos veces")) << Repetida.sError.toStdString();
}

// The back office's own keys, most operations first: one key with two city names, one
// not in the catalogue; operations before November 2011 and cancelled ones not counted.
TEST_F(LineaComandos, LocalidadesListaLasClavesDelBackOffice)
{
  QJsonObject Bd = BackOffice();
  CambiaTabla(Bd, "tCiudad",
              QJsonArray{QJsonArray{"C1", "AGUASCALIENTES", "00101003"},
                         QJsonArray{"C2", "ASIENTOS", "00102002"},
                         QJsonArray{"C3", "CIUDAD NUEVA", "99999999"},
                         QJsonArray{"C4", "AGS.", "00101003"}});
  CambiaTabla(Bd, "tCliente",
              QJsonArray{QJsonArray{1, 10, false, "JOHN", "SMITH", QJsonValue(), true, 1, "C1"},
                         QJsonArray{1, 11, false, "JUAN", "PÉREZ", "LÓPEZ", false, 1, "C1"},
                         QJsonArray{1, 12, true, "ACME INC", QJsonValue(), QJsonValue(), true, 1, "C2"},
                         QJsonArray{1, 13, false, "ANA", QJsonValue(), QJsonValue(), false, 1, "C3"},
                         QJsonArray{1, 14, false, "LUIS", QJsonValue(), QJsonValue(), false, 1, "C4"}});
  CambiaTabla(Bd, "tProces",
              QJsonArray{QJsonArray{1, "C", 20, "2012-01-05", 1, 13.0, 10, 13, 130, false},
                         QJsonArray{1, "C", 21, "2011-10-31", 1, 13.0, 10, 13, 130, false},
                         QJsonArray{1, "V", 22, "2015-03-01", 2, 20.0, 5, 14, 100, false}});
  EscribeTolvex(Bd);
  const QStringList Entrada = {"localidades", "--carpeta", Carpeta(), "--usuario", "ADMIN",
                               "--password", "ADMIN"};
  const TEjecucion R = Ejecuta(Entrada);
  ASSERT_EQ(R.nSalida, 0) << R.sError.toStdString();
  EXPECT_EQ(R.sSalida,
            "Claves de localidad del back office con operaciones desde el 1 de noviembre de 2011, "
            "de más a menos:\n"
            "00101003  6  AGUASCALIENTES / AGUASCALIENTES  (Tolvex: AGS., AGUASCALIENTES)\n"
            "00102002  1  AGUASCALIENTES / ASIENTOS  (Tolvex: ASIENTOS)\n"
            "99999999  1  no está en el catálogo  (Tolvex: CIUDAD NUEVA)\n");

  // The same way in as generar, with the same refusals.
  TEjecucion Rechazo = Ejecuta(QStringList(Entrada).replaceInStrings("ADMIN", "OTRA"));
  EXPECT_EQ(Rechazo.nSalida, 3);
  EXPECT_TRUE(Rechazo.sError.contains(
      "La contraseña es incorrecta o, el usuario no tiene permisos de administrador."));
  EXPECT_TRUE(Rechazo.sSalida.isEmpty());
  Rechazo = Ejecuta(Entrada + QStringList{"--pdf", Salida("r.pdf")});
  EXPECT_EQ(Rechazo.nSalida, 2);
  EXPECT_TRUE(Rechazo.sError.contains("localidades no usa --pdf.")) << Rechazo.sError.toStdString();
}

// A rate outside half to twice 13.29 is refused unless forced; its limits pass.
TEST_F(LineaComandos, TipoDeCambioLejanoSoloForzado)
{
  EscribeTolvex(BackOffice());
  const QList<std::pair<QString, QString>> Lejanos = {{"1329", "1,329.00"}, {"6.64", "6.64"},
                                                      {"26.59", "26.59"}};
  for (const auto& [sTipo, sImpreso] : Lejanos) {
    const TEjecucion R = Ejecuta(Argumentos({"--tipo-cambio", sTipo}));
    EXPECT_EQ(R.nSalida, 2) << sTipo.toStdString();
    EXPECT_EQ(R.sError, "El tipo de cambio " + sImpreso +
                            " es muy distinto del sugerido (13.29). Si es correcto, repita la "
                            "orden con --forzar-tipo-cambio.\n");
    EXPECT_FALSE(QFile::exists(Salida("r.json")));
  }
  for (const QString& sTipo : {"6.645", "26.58"})
    EXPECT_EQ(Ejecuta(Argumentos({"--tipo-cambio", sTipo})).nSalida, 0) << sTipo.toStdString();
  const TEjecucion Forzado = Ejecuta(Argumentos({"--tipo-cambio", "1329", "--forzar-tipo-cambio"}));
  EXPECT_EQ(Forzado.nSalida, 0) << Forzado.sError.toStdString();
}

// What the user used to check by hand is listed on standard error; the report still runs.
TEST_F(LineaComandos, RevisionPreviaEnErrorEstandar)
{
  QJsonObject Bd = BackOffice();
  CambiaTabla(Bd, "tDivisas", QJsonArray{QJsonArray{1, "usd", 1}, QJsonArray{2, QJsonValue(), 1},
                                         QJsonArray{3, QJsonValue(), 1}});
  CambiaTabla(Bd, "tSector", QJsonArray{QJsonArray{1, "PARTICULAR", QJsonValue()},
                                        QJsonArray{2, "SIN CLIENTES", QJsonValue()}});
  EscribeTolvex(Bd);
  const TEjecucion R = Ejecuta(Argumentos());
  EXPECT_EQ(R.nSalida, 0) << R.sError.toStdString();
  EXPECT_TRUE(R.sError.startsWith(
      "- Localidades elegidas sin ninguna ciudad del Tolvex con su clave: 00101027 AGUASCALIENTES "
      "LOCALIDADES, 00103002 CALVILLO, 00103003 "))
      << R.sError.toStdString();
  // Currency 3 is used by no operation; sector 2 by no client.
  EXPECT_TRUE(R.sError.contains(
      "\n- Divisas sin Símbolo usadas desde el 1 de noviembre de 2011 (NumeroDivisa): 2.\n"
      "- Sectores de clientes sin Clave de la Actividad: PARTICULAR.\n"
      "El reporte se generó correctamente.\n"))
      << R.sError.toStdString();
}

// A catalogue whose keys are the back office's own gives its answers; a broken one names the line.
TEST_F(LineaComandos, CatalogoPropio)
{
  QJsonObject Bd = BackOffice();
  CambiaTabla(Bd, "tCiudad", QJsonArray{QJsonArray{"C1", "AGUASCALIENTES", "91000001"},
                                        QJsonArray{"C2", "ASIENTOS", "91000002"}});
  EscribeTolvex(Bd);
  const auto Catalogo = [this](const QByteArray& Contenido) {
    QFile Archivo(Salida("localidades.csv"));
    Archivo.open(QIODevice::WriteOnly);
    Archivo.write(Contenido);
    return Salida("localidades.csv");
  };
  const QByteArray Encabezado = "IdLocalidad,IdEstado,Localidad,Clave\n";
  const QByteArray Filas = "1,2,AGUASCALIENTES,91000001\n2,2,ASIENTOS,91000002\n3,2,CALVILLO,91000003\n"
                           "4,2,COSIO,91000004\n5,2,TEPEZALA,91000005\n";
  QStringList Args = {"generar", "--carpeta", Carpeta(), "--usuario", "ADMIN", "--password", "ADMIN",
                      "--json", Salida("r.json")};
  for (int i = 1; i <= 5; ++i)
    Args << "--localidad" << QString("9100000%1").arg(i);
  EXPECT_EQ(Ejecuta(Args).nSalida, 2);  // not in the compiled-in catalogue

  const TEjecucion R = Ejecuta(Args + QStringList{"--catalogo", Catalogo(Encabezado + Filas)});
  ASSERT_EQ(R.nSalida, 0) << R.sError.toStdString();
  QFile Json(Salida("r.json"));
  ASSERT_TRUE(Json.open(QIODevice::ReadOnly));
  const QJsonObject V = QJsonDocument::fromJson(Json.readAll()).object();
  EXPECT_EQ(V["preg_5.1.1"].toString(), "AGUASCALIENTES (CLAVE: 91000001)");
  EXPECT_EQ(V["preg_5.1.2"].toString(), "VENTA (TOTAL OPS.: 3)");
  EXPECT_EQ(V["preg_5.1.4"].toString(), "USD (TOTAL OPS.: 4)");
  EXPECT_EQ(V["preg_5.2.1"].toString(), "ASIENTOS (CLAVE: 91000002)");
  EXPECT_EQ(V["preg_5.2.2"].toString(), "COMPRA (TOTAL OPS.: 1)");
  EXPECT_EQ(V["preg_5.3.2"].toString(), "NO EXISTEN OPERACIONES");
  // localidades names the back office's keys with the same catalogue.
  const TEjecucion Lista = Ejecuta({"localidades", "--carpeta", Carpeta(), "--usuario", "ADMIN",
                                    "--password", "ADMIN", "--catalogo", Salida("localidades.csv")});
  EXPECT_TRUE(Lista.sSalida.contains("91000001  5  AGUASCALIENTES / AGUASCALIENTES  (Tolvex: AGUASCALIENTES)\n"))
      << Lista.sSalida.toStdString();

  const QString sArchivo = QDir::toNativeSeparators(Salida("localidades.csv"));
  const QList<std::pair<QByteArray, QString>> Rotos = {
      {"Clave,Localidad\n" + Filas, "línea 1: se esperaba el encabezado IdLocalidad,IdEstado,Localidad,Clave."},
      {Encabezado + Filas + "6,2,JESUS MARIA,9100006\n", "línea 7: la clave \"9100006\" no tiene 8 dígitos."},
      {Encabezado + "1,2,A,91000001\n2,2,B,91000001\n", "línea 3: la clave 91000001 está repetida."},
      {Encabezado + "1,999,A,91000001\n",
       "línea 2: IdEstado \"999\" no es un estado o país del catálogo de estados."},
      {Encabezado + "1,2," + QByteArray(46, 'N') + ",91000001\n",
       "línea 2: el nombre \"" + QString(46, 'N') + "\" tiene 46 caracteres; el máximo es 45."},
      {Encabezado + "1,2,AGUASCALIENTES\n",
       "línea 2: tiene 3 valores y deben ser 4 (IdLocalidad,IdEstado,Localidad,Clave)."},
  };
  for (const auto& [Contenido, sProblema] : Rotos) {
    const TEjecucion Roto = Ejecuta(Args + QStringList{"--catalogo", Catalogo(Contenido)});
    EXPECT_EQ(Roto.nSalida, 2);
    EXPECT_EQ(Roto.sError, "Catálogo de localidades " + sArchivo + ", " + sProblema + "\n");
  }
}

// A question whose table is missing: the report is still written, status 1.
TEST_F(LineaComandos, PreguntaFallidaSale1)
{
  QJsonObject SinAlertas = BackOffice();
  CambiaTabla(SinAlertas, "tRelevan", std::nullopt);
  EscribeTolvex(SinAlertas);
  const TEjecucion R = Ejecuta(Argumentos());
  EXPECT_EQ(R.nSalida, 1) << R.sError.toStdString();
  EXPECT_TRUE(R.sError.contains("Error #BD-101: Llame a Soporte Técnico."));
  EXPECT_TRUE(QFile::exists(Salida("r.json")));
}

// A report that cannot be written is the command's own input: status 2, and the
// system's reason in Spanish.
TEST_F(LineaComandos, SalidaQueNoSePuedeEscribirSale2)
{
  EscribeTolvex(BackOffice());
  TEjecucion R = Ejecuta(Argumentos({"--json", "/proc/encuesta.json"}));
  EXPECT_EQ(R.nSalida, 2) << R.sError.toStdString();
  EXPECT_TRUE(R.sError.contains("No se pudo escribir /proc/encuesta.json: no existe el archivo o la carpeta\n"))
      << R.sError.toStdString();
  R = Ejecuta(Argumentos({"--pdf", "/proc/encuesta.pdf"}));
  EXPECT_EQ(R.nSalida, 2) << R.sError.toStdString();
  EXPECT_TRUE(R.sError.contains("No se pudo escribir el archivo PDF \"/proc/encuesta.pdf\": no existe el "
                                "archivo o la carpeta\n"))
      << R.sError.toStdString();
  EXPECT_FALSE(QFile::exists("/proc/encuesta.pdf.tmp"));
}

}  // namespace
