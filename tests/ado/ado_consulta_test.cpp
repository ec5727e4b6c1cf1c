// The query object's walk and field rules, and the errors of bad input.
#include "ado_ayuda.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

namespace {

const char* const CC_SIN_FILA = "No hay una fila actual: la consulta está cerrada o al final.";

class ConsultaNwind : public testing::Test {
 protected:
  void SetUp() override {
    F_Conexion = Conecta(RutaReal(QStringLiteral("nwind.mdb")));
    F_Consulta.SetConnection(F_Conexion);
  }
  std::shared_ptr<ado::TConexionADO> F_Conexion;
  ado::TConsultaADO F_Consulta;
};

TEST_F(ConsultaNwind, RecorreElResultadoCompleto) {
  F_Consulta.SetSQL(QStringLiteral("SELECT ShipperID, CompanyName FROM Shippers ORDER BY ShipperID"));
  EXPECT_EQ(F_Consulta.SQL(), QStringLiteral("SELECT ShipperID, CompanyName FROM Shippers ORDER BY ShipperID"));
  F_Consulta.Open();
  EXPECT_TRUE(F_Consulta.Active());
  EXPECT_FALSE(F_Consulta.IsEmpty());
  EXPECT_EQ(F_Consulta.RecordCount(), 3);
  QStringList Nombres;
  for (; !F_Consulta.Eof(); F_Consulta.Next()) Nombres << F_Consulta.FieldByName(QStringLiteral("companyNAME")).toString();
  EXPECT_EQ(Nombres, (QStringList{"Speedy Express", "United Package", "Federal Shipping"}));
  F_Consulta.Next();
  EXPECT_TRUE(F_Consulta.Eof());
  EXPECT_EQ(ErrorDe([&] { F_Consulta.FieldByName(QStringLiteral("ShipperID")); }).Mensaje(), QString::fromUtf8(CC_SIN_FILA));
  F_Consulta.First();
  EXPECT_EQ(F_Consulta.FieldByName(QStringLiteral("SHIPPERID")), QVariant(qint64(1)));
  F_Consulta.Close();
  EXPECT_FALSE(F_Consulta.Active());
  F_Consulta.ClearSQL();
  EXPECT_EQ(F_Consulta.SQL(), QString());
}

TEST_F(ConsultaNwind, ResultadoVacio) {
  F_Consulta.SetSQL(QStringLiteral("SELECT CustomerID FROM Customers WHERE CustomerID = 'NADIE'"));
  F_Consulta.Open();
  EXPECT_TRUE(F_Consulta.IsEmpty());
  EXPECT_EQ(F_Consulta.RecordCount(), 0);
  EXPECT_TRUE(F_Consulta.Eof());
}

TEST_F(ConsultaNwind, CampoAusente) {
  F_Consulta.SetSQL(QStringLiteral("SELECT ShipperID FROM Shippers"));
  F_Consulta.Open();
  const ado::EErrorADO Error = ErrorDe([&] { F_Consulta.FieldByName(QStringLiteral("Phone")); });
  EXPECT_EQ(Error.Clase(), QStringLiteral("EConsultaADO"));
  EXPECT_EQ(Error.Mensaje(), QStringLiteral("El campo \"Phone\" no existe en el resultado."));
}

TEST_F(ConsultaNwind, TablaDesconocida) {
  F_Consulta.SetSQL(QStringLiteral("SELECT * FROM tNoExiste"));
  const ado::EErrorADO Error = ErrorDe([&] { F_Consulta.Open(); });
  EXPECT_EQ(Error.Clase(), QStringLiteral("EConsultaADO"));
  EXPECT_EQ(Error.Mensaje(), QStringLiteral("La tabla \"tNoExiste\" no existe en la base de datos \"%1\".")
                                 .arg(RutaReal(QStringLiteral("nwind.mdb"))));
  EXPECT_FALSE(F_Consulta.Active());
}

TEST_F(ConsultaNwind, ErroresDeSQLConClase) {
  for (const char* pSQL : {"SELECT FROM WHERE", "SELECT NoHay FROM Shippers"}) {
    F_Consulta.SetSQL(QString::fromUtf8(pSQL));
    const ado::EErrorADO Error = ErrorDe([&] { F_Consulta.Open(); });
    EXPECT_EQ(Error.Clase(), QStringLiteral("EConsultaADO")) << pSQL;
    EXPECT_FALSE(Error.Mensaje().isEmpty()) << pSQL;
  }
}

TEST_F(ConsultaNwind, SinConexionAbierta) {
  F_Conexion->SetConnected(false);
  EXPECT_FALSE(F_Conexion->Connected());
  F_Consulta.SetSQL(QStringLiteral("SELECT ShipperID FROM Shippers"));
  EXPECT_EQ(ErrorDe([&] { F_Consulta.Open(); }).Mensaje(), QStringLiteral("La consulta no tiene una conexión abierta."));
  ado::TConsultaADO Huerfana;
  Huerfana.SetConnection(std::make_shared<ado::TConexionADO>());
  EXPECT_EQ(ErrorDe([&] { Huerfana.Open(); }).Mensaje(), QStringLiteral("La consulta no tiene una conexión abierta."));
}

// Opening refuses what is not a readable Jet 3 or Jet 4 file, naming it.
class ArchivoMalo : public testing::Test {
 protected:
  QString Crea(const QByteArray& Bytes) {
    const QString sRuta = F_Dir.filePath(QStringLiteral("malo.mdb"));
    QFile Archivo(sRuta);
    EXPECT_TRUE(Archivo.open(QIODevice::WriteOnly | QIODevice::Truncate));
    Archivo.write(Bytes);
    return sRuta;
  }
  static QByteArray Real(const char* pArchivo) {
    QFile Archivo(RutaReal(QString::fromUtf8(pArchivo)));
    EXPECT_TRUE(Archivo.open(QIODevice::ReadOnly));
    return Archivo.readAll();
  }
  static ado::EErrorADO ErrorAlAbrir(const QString& sRuta) {
    ado::TConexionADO Conexion;
    Conexion.SetConnectionString(CadenaAccess(sRuta));
    const ado::EErrorADO Error = ErrorDe([&] { Conexion.SetConnected(true); });
    EXPECT_FALSE(Conexion.Connected());
    return Error;
  }
  QTemporaryDir F_Dir;
};

TEST_F(ArchivoMalo, NoExiste) {
  const QString sRuta = F_Dir.filePath(QStringLiteral("DataBase/Tolvex.mdb"));
  const ado::EErrorADO Error = ErrorAlAbrir(sRuta);
  EXPECT_EQ(Error.Clase(), QStringLiteral("EConexionADO"));
  EXPECT_EQ(Error.Mensaje(), QStringLiteral("No existe el archivo de base de datos \"%1\".").arg(sRuta));
}

TEST_F(ArchivoMalo, NoEsDeAccess) {
  for (const QByteArray& Bytes : {QByteArray("Encuesta"), QByteArray(8192, 'x'), QByteArray()}) {
    const QString sRuta = Crea(Bytes);
    const ado::EErrorADO Error = ErrorAlAbrir(sRuta);
    EXPECT_EQ(Error.Clase(), QStringLiteral("EArchivoJet"));
    EXPECT_EQ(Error.Mensaje(), QStringLiteral("El archivo \"%1\" no es una base de datos de Access (Jet 3 o Jet 4).").arg(sRuta));
  }
}

TEST_F(ArchivoMalo, FormatoPosterior) {
  QByteArray Bytes = Real("access2003-no-password.mdb");
  Bytes[0x14] = 2;
  const QString sRuta = Crea(Bytes);
  EXPECT_EQ(ErrorAlAbrir(sRuta).Mensaje(),
            QStringLiteral("El archivo \"%1\" tiene un formato de Access posterior a Jet 4 que no se puede leer aquí.").arg(sRuta));
}

TEST_F(ArchivoMalo, Truncado) {
  const QString sRuta = Crea(Real("access2000-test.mdb").left(4096 * 5 + 100));
  EXPECT_EQ(ErrorAlAbrir(sRuta).Mensaje(),
            QStringLiteral("El archivo de base de datos \"%1\" está incompleto o dañado.").arg(sRuta));
}

// Damaged pages give an error or a result, never a crash; libmdb's prints stay hidden.
TEST_F(ArchivoMalo, PaginasDanadasSinCaida) {
  const QByteArray Original = Real("access2000-test.mdb");
  QRandomGenerator Azar(2016);
  for (int nIntento = 0; nIntento < 40; ++nIntento) {
    QByteArray Bytes = Original;
    if (nIntento % 4 == 0) Bytes.truncate(4096 * (3 + nIntento));
    for (int n = 0; n < 200; ++n) Bytes[4096 + Azar.bounded(int(Bytes.size()) - 4096)] = char(Azar.bounded(256));
    const QString sRuta = Crea(Bytes);
    try {
      const auto Conexion = Conecta(sRuta);
      for (const char* pTabla : {"Table1", "Table2", "Table3", "Table4"})
        Lee(Conexion, QStringLiteral("SELECT COUNT(*) AS N FROM %1").arg(QString::fromUtf8(pTabla)), {"N"});
    } catch (const ado::EErrorADO& Error) {
      EXPECT_FALSE(Error.Clase().isEmpty());
    }
  }
}

}  // namespace
