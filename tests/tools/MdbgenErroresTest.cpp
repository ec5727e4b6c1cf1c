// Refused input: the message says where, and nothing is left at the target path.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "mdbgen/EscritorMdb.h"

namespace {

struct TCasoError {
  const char* sNombre;
  const char* sFilas;  // rows of the table "Clientes Ñ" below, or a whole document when it starts with '{'
  const char* sMensaje;
};

const char* CC_sColumnas =
    R"([{"name":"Clave","type":"Text","size":3},{"name":"Número","type":"Long"},{"name":"Sí","type":"Boolean"},)"
    R"({"name":"Importe","type":"Currency"},{"name":"Fecha","type":"DateTime"},{"name":"B","type":"Byte"},)"
    R"({"name":"S","type":"Single"}])";

QByteArray Documento(const TCasoError& caso) {
  if (caso.sFilas[0] == '{') return caso.sFilas;
  return QByteArray(R"({"tables":[{"name":"Clientes Ñ","columns":)") + CC_sColumnas + R"(,"rows":)" + caso.sFilas +
         "}]}";
}

class MdbgenErrores : public ::testing::TestWithParam<TCasoError> {};

TEST_P(MdbgenErrores, RechazaConMensajeYSinArchivo) {
  QTemporaryDir dir;
  const QString sRuta = dir.filePath("salida.mdb");
  QFile viejo(sRuta);  // an older file must not pass for this run's result
  ASSERT_TRUE(viejo.open(QIODevice::WriteOnly) && viejo.write("viejo") == 5);
  viejo.close();
  try {
    mdbgen::EscribeDesdeJson(Documento(GetParam()), sRuta);
    FAIL() << "sin error";
  } catch (const mdbgen::EErrorMdb& e) {
    EXPECT_EQ(QString::fromUtf8(e.what()), QString::fromUtf8(GetParam().sMensaje));
  }
  EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

const TCasoError CC_casos[] = {
    {"TextoLargo", R"([["ABC",1,true,1.5,"2015-01-01",1,1],["ABCD",1,true,1,"2015-01-01",1,1]])",
     R"(Tabla "Clientes Ñ", fila 1, columna "Clave": el texto tiene 4 caracteres y el máximo es 3)"},
    {"EnteroConDecimales", R"([["ABC",1.5,true,1.5,"2015-01-01",1,1]])",
     R"(Tabla "Clientes Ñ", fila 0, columna "Número": se esperaba un número entero)"},
    {"LongFueraDeRango", R"([["ABC",3000000000,true,1.5,"2015-01-01",1,1]])",
     R"(Tabla "Clientes Ñ", fila 0, columna "Número": el valor 3000000000 está fuera del rango de Long (-2147483648 a 2147483647))"},
    {"EnteroEnorme", R"([["ABC",1e30,true,1.5,"2015-01-01",1,1]])",
     R"(Tabla "Clientes Ñ", fila 0, columna "Número": el valor 1e30 está fuera del rango de Long (-2147483648 a 2147483647))"},
    {"ByteNegativo", R"([["ABC",1,true,1,"2015-01-01",-1,1]])",
     R"(Tabla "Clientes Ñ", fila 0, columna "B": el valor -1 está fuera del rango de Byte (0 a 255))"},
    {"BooleanNulo", R"([["ABC",1,null,1.5,"2015-01-01",1,1]])",
     R"(Tabla "Clientes Ñ", fila 0, columna "Sí": una columna Boolean no admite null)"},
    {"BooleanNumerico", R"([["ABC",1,1,1.5,"2015-01-01",1,1]])",
     R"(Tabla "Clientes Ñ", fila 0, columna "Sí": se esperaba true o false)"},
    {"CincoDecimales", R"([["ABC",1,true,1.23456,"2015-01-01",1,1]])",
     R"(Tabla "Clientes Ñ", fila 0, columna "Importe": Currency admite como máximo cuatro decimales)"},
    {"ImporteComoTexto", R"([["ABC",1,true,"1.5","2015-01-01",1,1]])",
     R"(Tabla "Clientes Ñ", fila 0, columna "Importe": se esperaba un importe (hasta cuatro decimales))"},
    {"FechaInexistente", R"([["ABC",1,true,1,"2015-02-30",1,1]])",
     R"(Tabla "Clientes Ñ", fila 0, columna "Fecha": fecha no válida "2015-02-30" (se espera AAAA-MM-DD o AAAA-MM-DD HH:MM:SS))"},
    {"AnioAntesDe100", R"([["ABC",1,true,1,"0099-12-31",1,1]])",
     R"(Tabla "Clientes Ñ", fila 0, columna "Fecha": el año 99 está fuera de 100 a 9999)"},
    {"FechaNumerica", R"([["ABC",1,true,1,20150101,1,1]])",
     R"(Tabla "Clientes Ñ", fila 0, columna "Fecha": se esperaba una fecha)"},
    {"SingleDesbordado", R"([["ABC",1,true,1,"2015-01-01",1,1e39]])",
     R"(Tabla "Clientes Ñ", fila 0, columna "S": el valor 1e+39 no cabe en un Single)"},
    {"NumeroEnTexto", R"([[5,1,true,1,"2015-01-01",1,1]])",
     R"(Tabla "Clientes Ñ", fila 0, columna "Clave": se esperaba un texto)"},
    {"FaltaUnValor", R"([["ABC",1,true,1,"2015-01-01",1]])",
     R"(Tabla "Clientes Ñ", fila 0: se esperaban 7 valores y hay 6)"},
    {"BorradaInexistente", R"([["ABC",1,true,1,"2015-01-01",1,1]],"deleted":[1])",
     R"(Tabla "Clientes Ñ": "deleted" nombra la fila 1, que no existe (la tabla tiene 1 filas))"},
    {"TipoDesconocido", R"({"tables":[{"name":"T","columns":[{"name":"A","type":"Entero"}]}]})",
     R"(Tabla "T", columna "A": tipo desconocido "Entero")"},
    {"TamanoFueraDeText", R"({"tables":[{"name":"T","columns":[{"name":"A","type":"Long","size":4}]}]})",
     R"(Tabla "T", columna "A": "size" solo se admite en columnas Text)"},
    {"TextDemasiadoGrande", R"({"tables":[{"name":"T","columns":[{"name":"A","type":"Text","size":256}]}]})",
     R"(Tabla "T", columna "A": el tamaño 256 está fuera de 1 a 255)"},
    {"ColumnaRepetida",
     R"({"tables":[{"name":"T","columns":[{"name":"Año","type":"Long"},{"name":"AÑO","type":"Long"}]}]})",
     R"(Tabla "T", columna "AÑO": el nombre está repetido)"},
    {"TablaRepetida",
     R"({"tables":[{"name":"T","columns":[{"name":"A","type":"Long"}]},{"name":"t","columns":[{"name":"A","type":"Long"}]}]})",
     R"(Tabla "t": el nombre está repetido)"},
    {"NombreConPunto", R"({"tables":[{"name":"Mal.Nombre","columns":[{"name":"A","type":"Long"}]}]})",
     R"(Tabla "Mal.Nombre": el nombre no puede contener ".")"},
    {"ContrasenaLarga", R"({"password":"1234567890123456789","tables":[]})",
     "La contraseña tiene 19 caracteres y el máximo es 18"},
    {"JsonRoto",
     "{\"tables\":[{\"name\":\"T\",\"columns\":[{\"name\":\"A\",\"type\":\"Long\"}],\n\"rows\":[[1],[2,]]}]}",
     "JSON no válido (línea 2, columna 16): valor no reconocido"},
};

INSTANTIATE_TEST_SUITE_P(Tabla, MdbgenErrores, ::testing::ValuesIn(CC_casos),
                         [](const auto& info) { return std::string(info.param.sNombre); });

TEST(MdbgenComando, EscribeOExplicaPorQueNo) {
  QTemporaryDir dir;
  const QString sPrograma = QStringLiteral(ENCUESTA_BUILD_DIR "/mdbgen");
  const QString sSalida = dir.filePath("b.mdb");
  struct TCaso {
    QByteArray json;
    int nSalida;
    QByteArray error;
  };
  const TCaso casos[] = {
      {R"({"tables":[{"name":"T","columns":[{"name":"A","type":"Long"}],"rows":[[1]]}]})", 0, ""},
      {R"({"tables":[{"name":"T","columns":[{"name":"A","type":"Long"}],"rows":[["1"]]}]})", 1,
       "mdbgen: Tabla \"T\", fila 0, columna \"A\": se esperaba un número entero\n"},
  };
  for (const TCaso& caso : casos) {
    QFile json(dir.filePath("entrada.json"));
    ASSERT_TRUE(json.open(QIODevice::WriteOnly) && json.write(caso.json) == caso.json.size());
    json.close();
    QProcess proceso;
    proceso.start(sPrograma, {"--out", sSalida, json.fileName()});
    ASSERT_TRUE(proceso.waitForFinished(30000));
    EXPECT_EQ(proceso.exitCode(), caso.nSalida);
    EXPECT_EQ(proceso.readAllStandardError(), caso.error);
    EXPECT_EQ(QFile::exists(sSalida), caso.nSalida == 0);
  }
  QProcess uso;
  uso.start(sPrograma, {"--out"});
  ASSERT_TRUE(uso.waitForFinished(30000));
  EXPECT_EQ(uso.exitCode(), 2);
}

}  // namespace
