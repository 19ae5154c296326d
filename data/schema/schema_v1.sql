-- Version 1 of the database: every table of the program, its keys, relations and indexes.
--
-- Column type conventions (SQLite keeps the declared type name, the program reads it back):
--   FIXED2   an exact decimal with two places (money, rates in percent), stored as an integer
--            count of hundredths: 1234.50 is 123450.
--   FIXED4   an exact decimal with four places (cumulative indices, agents' rates), stored as an
--            integer count of ten-thousandths: 3.1416 is 31416.
--   DATE     a calendar day as ISO text "yyyy-MM-dd".
--   TEXT(n)  text of at most n characters; the width limits the screens' input fields.
--   INTEGER  keys, counts, periods and marks (0 = no).
-- Every row of a form hangs from a taxpayer (CMD) through an inscription (Form_Cp01); the
-- relations cascade, so deleting a taxpayer or an inscription removes everything below it.
-- The taxpayer's password column (CMD_PassWord) is added by the next schema version.

CREATE TABLE CMD (
    CMD_ID INTEGER PRIMARY KEY AUTOINCREMENT,
    CMD_Contribuyente TEXT(100),
    CMD_Domicilio TEXT(100),
    CMD_Te TEXT(50),
    CMD_NumRef TEXT(50),
    CMD_NumAgenteRetencion TEXT(6),
    CMD_NumAgentePercepcion TEXT(6)
);

-- Daily cumulative late-payment index and the month's rate.
CREATE TABLE Indices (
    Fecha DATE NOT NULL,
    Indice FIXED4 NOT NULL,
    Tasa FIXED2 NOT NULL
);
CREATE UNIQUE INDEX Indices_Fecha ON Indices (Fecha);

-- Reference lists.
CREATE TABLE Nomencla (
    Codigo INTEGER NOT NULL PRIMARY KEY,
    Actividad TEXT(150) NOT NULL,
    Alicuota FIXED2 NOT NULL,
    Minimo1 FIXED2 NOT NULL,
    Minimo2 FIXED2 NOT NULL,
    Minimo3 FIXED2 NOT NULL
);
CREATE INDEX Nomencla_Actividad ON Nomencla (Actividad);
CREATE TABLE Provincias (
    Provincia TEXT(50) NOT NULL PRIMARY KEY
);
CREATE TABLE Paises (
    Pais TEXT(50) NOT NULL PRIMARY KEY
);
CREATE TABLE TipoDoc (
    TipoDoc TEXT(10) NOT NULL PRIMARY KEY,
    Descripcion TEXT(50) NOT NULL
);
CREATE TABLE EstadoCivil (
    EstadoCivil TEXT(20) NOT NULL PRIMARY KEY
);
CREATE TABLE Nat_Juridica (
    Nat_Juridica TEXT(60) NOT NULL PRIMARY KEY
);
CREATE TABLE Cond_Iva (
    CondIva TEXT(50) NOT NULL PRIMARY KEY
);

-- Inscription procedures (CP01) of a taxpayer; every form family hangs from one.
CREATE TABLE Form_Cp01 (
    CP01_ID INTEGER PRIMARY KEY AUTOINCREMENT,
    CMD_ID INTEGER NOT NULL REFERENCES CMD (CMD_ID) ON DELETE CASCADE,
    CP01_Tramite TEXT(100),
    CP01_Personas TEXT(9),
    CP01_Contribuyente TEXT(100),
    CP01_CUIT TEXT(13),
    CP01_IngBrut TEXT(13),
    CP01_FechaPres DATE,
    CP01_Triger_Ingreso DATE,
    CP01_FormCP01 INTEGER,
    CP01_PerFis_TipoDoc TEXT(10),
    CP01_PerFis_NumDoc INTEGER,
    CP01_PerFis_Sexo TEXT(1),
    CP01_PerFis_FhNacim DATE,
    CP01_PerFis_Nacionalidad TEXT(50),
    CP01_PerFis_EstadoCivil TEXT(20),
    CP01_PerJur_Nat_Juridica TEXT(60),
    CP01_PerJur_FechaCreac DATE,
    CP01_PerJur_DuracionAños INTEGER,
    CP01_PerJur_InscIGJ_Numero TEXT(20),
    CP01_PerJur_InscIGJ_Fecha DATE,
    CP01_PerJur_Resp1_Firma TEXT(10),
    CP01_PerJur_Resp1_ApellidoNombre TEXT(100),
    CP01_PerJur_Resp1_TipoDoc TEXT(10),
    CP01_PerJur_Resp1_NumDoc INTEGER,
    CP01_PerJur_Resp1_FhNacim DATE,
    CP01_PerJur_Resp1_Domicilio TEXT(100),
    CP01_PerJur_Resp1_DomNumero TEXT(10),
    CP01_PerJur_Resp1_Monobloc TEXT(10),
    CP01_PerJur_Resp1_Planta TEXT(10),
    CP01_PerJur_Resp1_Depto TEXT(10),
    CP01_PerJur_Resp1_Piso TEXT(10),
    CP01_PerJur_Resp1_Oficina TEXT(10),
    CP01_PerJur_Resp1_Localidad TEXT(50),
    CP01_PerJur_Resp1_Provincia TEXT(50),
    CP01_PerJur_Resp1_Cargo TEXT(50),
    CP01_PerJur_Resp1_CUIT TEXT(13),
    CP01_PerJur_Resp2_ApellidoNombre TEXT(100),
    CP01_PerJur_Resp2_TipoDoc TEXT(10),
    CP01_PerJur_Resp2_NumDoc INTEGER,
    CP01_PerJur_Resp2_FhNacim DATE,
    CP01_PerJur_Resp2_Domicilio TEXT(100),
    CP01_PerJur_Resp2_DomNumero TEXT(10),
    CP01_PerJur_Resp2_Monobloc TEXT(10),
    CP01_PerJur_Resp2_Planta TEXT(10),
    CP01_PerJur_Resp2_Depto TEXT(10),
    CP01_PerJur_Resp2_Piso TEXT(10),
    CP01_PerJur_Resp2_Oficina TEXT(10),
    CP01_PerJur_Resp2_Localidad TEXT(50),
    CP01_PerJur_Resp2_Provincia TEXT(50),
    CP01_PerJur_Res2_Cargo TEXT(50),
    CP01_PerJur_Resp2_CUIT TEXT(13),
    CP01_PerJur_Resp3_ApellidoNombre TEXT(100),
    CP01_PerJur_Resp3_TipoDoc TEXT(10),
    CP01_PerJur_Resp3_NumDoc INTEGER,
    CP01_PerJur_Resp3_FhNacim DATE,
    CP01_PerJur_Resp3_Domicilio TEXT(100),
    CP01_PerJur_Resp3_DomNumero TEXT(10),
    CP01_PerJur_Resp3_Monobloc TEXT(10),
    CP01_PerJur_Resp3_Planta TEXT(10),
    CP01_PerJur_Resp3_Depto TEXT(10),
    CP01_PerJur_Resp3_Piso TEXT(10),
    CP01_PerJur_Resp3_Oficina TEXT(10),
    CP01_PerJur_Resp3_Localidad TEXT(50),
    CP01_PerJur_Resp3_Provincia TEXT(50),
    CP01_PerJur_Resp3_Cargo TEXT(50),
    CP01_PerJur_Resp3_CUIT TEXT(13),
    CP01_PerJur_Resp4_ApellidoNombre TEXT(100),
    CP01_PerJur_Resp4_TipoDoc TEXT(10),
    CP01_PerJur_Resp4_NumDoc INTEGER,
    CP01_PerJur_Resp4_FhNacim DATE,
    CP01_PerJur_Resp4_Domicilio TEXT(100),
    CP01_PerJur_Resp4_DomNumero TEXT(10),
    CP01_PerJur_Resp4_Monobloc TEXT(10),
    CP01_PerJur_Resp4_Planta TEXT(10),
    CP01_PerJur_Resp4_Depto TEXT(10),
    CP01_PerJur_Resp4_Piso TEXT(10),
    CP01_PerJur_Resp4_Oficina TEXT(10),
    CP01_PerJur_Resp4_Localidad TEXT(50),
    CP01_PerJur_Resp4_Provincia TEXT(50),
    CP01_PerJur_Resp4_Cargo TEXT(50),
    CP01_PerJur_Resp4_CUIT TEXT(13),
    CP01_PerJur_Resp5_ApellidoNombre TEXT(100),
    CP01_PerJur_Resp5_TipoDoc TEXT(10),
    CP01_PerJur_Resp5_NumDoc INTEGER,
    CP01_PerJur_Resp5_FhNacim DATE,
    CP01_PerJur_Resp5_Domicilio TEXT(100),
    CP01_PerJur_Resp5_DomNumero TEXT(10),
    CP01_PerJur_Resp5_Monobloc TEXT(10),
    CP01_PerJur_Resp5_Planta TEXT(10),
    CP01_PerJur_Resp5_Depto TEXT(10),
    CP01_PerJur_Resp5_Piso TEXT(10),
    CP01_PerJur_Resp5_Oficina TEXT(10),
    CP01_PerJur_Resp5_Localidad TEXT(50),
    CP01_PerJur_Resp5_Provincia TEXT(50),
    CP01_PerJur_Resp5_Cargo TEXT(50),
    CP01_PerJur_Resp5_CUIT TEXT(13),
    CP01_RegPubCom_Numero INTEGER,
    CP01_RegPubCom_Año INTEGER,
    CP01_RegPubCom_Fecha DATE,
    CP01_RegPubCom_Tomo TEXT(10),
    CP01_RegPubCom_Folio TEXT(10),
    CP01_RegPubCom_FechaCierre TEXT(5),
    CP01_RegPubCom_CondIVA TEXT(50),
    CP01_InfComp_SistemaPago TEXT(10),
    CP01_DomFisc_Domicilio TEXT(100),
    CP01_DomFisc_DomNumero TEXT(10),
    CP01_DomFisc_Monoblock TEXT(10),
    CP01_DomFisc_Planta TEXT(10),
    CP01_DomFisc_Depto TEXT(10),
    CP01_DomFisc_Piso TEXT(10),
    CP01_DomFisc_Oficina TEXT(10),
    CP01_DomFisc_Localidad TEXT(50),
    CP01_DomFisc_CodPostal TEXT(10),
    CP01_DomFisc_Provincia TEXT(50),
    CP01_DomFisc_Te_Caract TEXT(10),
    CP01_DomFisc_Telefono TEXT(20),
    CP01_DomFisc_Email TEXT(100),
    CP01_Activ_Nombre TEXT(100),
    CP01_Activ_ComerNum INTEGER,
    CP01_Activ_FhInicio DATE,
    CP01_Activ_Domicilio TEXT(100),
    CP01_Activ_DomicNumero TEXT(10),
    CP01_Activ_Monoblock TEXT(10),
    CP01_Activ_Planta TEXT(10),
    CP01_Activ_Depto TEXT(10),
    CP01_Activ_Piso TEXT(10),
    CP01_Activ_Oficina TEXT(10),
    CP01_Activ_Localidad TEXT(50),
    CP01_Activ_CodPostal TEXT(10),
    CP01_Activ_Te_Caract TEXT(10),
    CP01_Activ_Telefono TEXT(20),
    CP01_Activ_Nombre2 TEXT(100),
    CP01_Activ_ComerNum2 INTEGER,
    CP01_Activ_FhInicio2 DATE,
    CP01_Activ_Domicilio2 TEXT(100),
    CP01_Activ_DomicNumero2 TEXT(10),
    CP01_Activ_Monoblock2 TEXT(10),
    CP01_Activ_Planta2 TEXT(10),
    CP01_Activ_Depto2 TEXT(10),
    CP01_Activ_Piso2 TEXT(10),
    CP01_Activ_Oficina2 TEXT(10),
    CP01_Activ_Localidad2 TEXT(50),
    CP01_Activ_CodPostal2 TEXT(10),
    CP01_Activ_Te_Caract2 TEXT(10),
    CP01_Activ_Telefono2 TEXT(20),
    CP01_Activ_Nombre3 TEXT(100),
    CP01_Activ_ComerNum3 INTEGER,
    CP01_Activ_FhInicio3 DATE,
    CP01_Activ_Domicilio3 TEXT(100),
    CP01_Activ_DomicNumero3 TEXT(10),
    CP01_Activ_Monoblock3 TEXT(10),
    CP01_Activ_Planta3 TEXT(10),
    CP01_Activ_Depto3 TEXT(10),
    CP01_Activ_Piso3 TEXT(10),
    CP01_Activ_Oficina3 TEXT(10),
    CP01_Activ_Localidad3 TEXT(50),
    CP01_Activ_CodPostal3 TEXT(10),
    CP01_Activ_Te_Caract3 TEXT(10),
    CP01_Activ_Telefono3 TEXT(20)
);
CREATE INDEX Form_Cp01_CMD_ID ON Form_Cp01 (CMD_ID, CP01_FechaPres);

-- Activities of business premises 1, 2 and 3 of a procedure.
CREATE TABLE Form_Cp01_Act (
    Act_ID INTEGER PRIMARY KEY AUTOINCREMENT,
    CP01_ID INTEGER NOT NULL REFERENCES Form_Cp01 (CP01_ID) ON DELETE CASCADE,
    Act_Codigo TEXT(6) NOT NULL,
    Act_Denominacion TEXT(150),
    Act_Alicuota FIXED2,
    Act_NumEmp INTEGER,
    Act_BaseMinimo FIXED2,
    Act_Fecha DATE,
    Act_FhCese DATE,
    Act_Exento INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX Form_Cp01_Act_CP01_ID ON Form_Cp01_Act (CP01_ID);
CREATE TABLE Form_Cp01_Act2 (
    Act_ID INTEGER PRIMARY KEY AUTOINCREMENT,
    CP01_ID INTEGER NOT NULL REFERENCES Form_Cp01 (CP01_ID) ON DELETE CASCADE,
    Act_Codigo TEXT(6) NOT NULL,
    Act_Denominacion TEXT(150),
    Act_Alicuota FIXED2,
    Act_NumEmp INTEGER,
    Act_BaseMinimo FIXED2,
    Act_Fecha DATE,
    Act_FhCese DATE,
    Act_Exento INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX Form_Cp01_Act2_CP01_ID ON Form_Cp01_Act2 (CP01_ID);
CREATE TABLE Form_Cp01_Act3 (
    Act_ID INTEGER PRIMARY KEY AUTOINCREMENT,
    CP01_ID INTEGER NOT NULL REFERENCES Form_Cp01 (CP01_ID) ON DELETE CASCADE,
    Act_Codigo TEXT(6) NOT NULL,
    Act_Denominacion TEXT(150),
    Act_Alicuota FIXED2,
    Act_NumEmp INTEGER,
    Act_BaseMinimo FIXED2,
    Act_Fecha DATE,
    Act_FhCese DATE,
    Act_Exento INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX Form_Cp01_Act3_CP01_ID ON Form_Cp01_Act3 (CP01_ID);

-- Further business premises and their activities.
CREATE TABLE Form_Cp01_Comercios (
    Com_ID INTEGER PRIMARY KEY AUTOINCREMENT,
    Cp01_ID INTEGER NOT NULL REFERENCES Form_Cp01 (CP01_ID) ON DELETE CASCADE,
    Com_Com_ID INTEGER,
    Com_Activ_Nombre TEXT(100),
    Com_Activ_ComerNum INTEGER,
    Com_Activ_FhInicio DATE,
    Com_Activ_Domicilio TEXT(100),
    Com_Activ_DomicNumero TEXT(10),
    Com_Activ_Monoblock TEXT(10),
    Com_Activ_Planta TEXT(10),
    Com_Activ_Depto TEXT(10),
    Com_Activ_Piso TEXT(10),
    Com_Activ_Oficina TEXT(10),
    Com_Activ_Localidad TEXT(50),
    Com_Activ_CodPostal TEXT(10),
    Com_Activ_Te_Caract TEXT(10),
    Com_Activ_Telefono TEXT(20)
);
CREATE INDEX Form_Cp01_Comercios_Cp01_ID ON Form_Cp01_Comercios (Cp01_ID);
CREATE INDEX Form_Cp01_Comercios_Com_Com_ID ON Form_Cp01_Comercios (Com_Com_ID);
CREATE TABLE Form_Cp01_Com_Act (
    Act_ID INTEGER PRIMARY KEY AUTOINCREMENT,
    Com_ID INTEGER NOT NULL REFERENCES Form_Cp01_Comercios (Com_ID) ON DELETE CASCADE,
    Act_Codigo TEXT(6) NOT NULL,
    Act_Denominacion TEXT(150),
    Act_Alicuota FIXED2,
    Act_NumEmp INTEGER,
    Act_BaseMinimo FIXED2,
    Act_Fecha DATE,
    Act_FhCese DATE,
    Act_Exento INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX Form_Cp01_Com_Act_Com_ID ON Form_Cp01_Com_Act (Com_ID);

-- Monthly advance declarations (CP03/SID3), their activity lines and payment registers.
CREATE TABLE Form_Sid3 (
    Sid_ID INTEGER PRIMARY KEY AUTOINCREMENT,
    CP01_ID INTEGER NOT NULL REFERENCES Form_Cp01 (CP01_ID) ON DELETE CASCADE,
    Sid_Mes INTEGER,
    Sid_Año INTEGER,
    Sid_Tramite INTEGER,
    Sid_Tramite_Descrip TEXT(20),
    Sid_Tasa_Mes FIXED2,
    Sid_IB TEXT(13),
    Sid_CUIT TEXT(13),
    Sid_Gravado FIXED2,
    Sid_No_Gravado FIXED2,
    Sid_Excento FIXED2,
    Sid_TasaCero FIXED2,
    Sid_NumEmpleado INTEGER,
    Sid_SubTotal_AGT FIXED2,
    Sid_Retenciones FIXED2,
    Sid_Percepciones FIXED2,
    Sid_Otros FIXED2,
    Sid_Compensaciones FIXED2,
    Sid_Retencion_NumReg INTEGER,
    Sid_Percepcion_NumReg INTEGER,
    Sid_Otros_NumReg INTEGER,
    Sid_Compensaciones_NumReg INTEGER,
    Sid_Saldo_Contrib FIXED2,
    Sid_Saldo_AGT FIXED2,
    Sid_Fh_Vto DATE,
    Sid_Fecha_Pago DATE,
    Sid_Interes FIXED2,
    Sid_Total_Depositar FIXED2,
    Sid_Importe_Pagado FIXED2
);
CREATE INDEX Form_Sid3_CP01_ID ON Form_Sid3 (CP01_ID, Sid_Año, Sid_Mes);
CREATE TABLE Form_Sid3_Act (
    SidAct_ID INTEGER PRIMARY KEY AUTOINCREMENT,
    Sid_ID INTEGER NOT NULL REFERENCES Form_Sid3 (Sid_ID) ON DELETE CASCADE,
    SidAct_Codigo TEXT(6),
    SidAct_Denominacion TEXT(160),
    SidAct_Exento INTEGER NOT NULL DEFAULT 0,
    SidAct_NumEmp INTEGER,
    SidAct_BaseMinimo FIXED2,
    SidAct_Alicuota FIXED2,
    SidAct_BaseImp FIXED2,
    SidAct_Impuesto FIXED2
);
CREATE INDEX Form_Sid3_Act_Sid_ID ON Form_Sid3_Act (Sid_ID);
CREATE TABLE Retenciones (
    Per_ID INTEGER PRIMARY KEY AUTOINCREMENT,
    Sid_ID INTEGER NOT NULL REFERENCES Form_Sid3 (Sid_ID) ON DELETE CASCADE,
    Per_Fecha DATE,
    Per_Concepto TEXT(50),
    Per_Monto FIXED2,
    Per_Mes TEXT(2),
    Per_Año TEXT(4),
    Per_Responsable TEXT(50),
    Per_CUIT TEXT(13),
    Per_NumAgenteRet TEXT(6)
);
CREATE INDEX Retenciones_Sid_ID ON Retenciones (Sid_ID);
CREATE TABLE Percepciones (
    Per_ID INTEGER PRIMARY KEY AUTOINCREMENT,
    Sid_ID INTEGER NOT NULL REFERENCES Form_Sid3 (Sid_ID) ON DELETE CASCADE,
    Per_Fecha DATE,
    Per_Concepto TEXT(50),
    Per_Monto FIXED2,
    Per_Mes TEXT(2),
    Per_Año TEXT(4),
    Per_Responsable TEXT(50),
    Per_CUIT TEXT(13),
    Per_NumAgenteRet TEXT(6)
);
CREATE INDEX Percepciones_Sid_ID ON Percepciones (Sid_ID);
CREATE TABLE Compensaciones (
    Per_ID INTEGER PRIMARY KEY AUTOINCREMENT,
    Sid_ID INTEGER NOT NULL REFERENCES Form_Sid3 (Sid_ID) ON DELETE CASCADE,
    Per_Fecha DATE,
    Per_Concepto TEXT(50),
    Per_Monto FIXED2,
    Per_Mes TEXT(2),
    Per_Año TEXT(4),
    Per_Responsable TEXT(50),
    Per_CUIT TEXT(13),
    Per_NumAgenteRet TEXT(6)
);
CREATE INDEX Compensaciones_Sid_ID ON Compensaciones (Sid_ID);
CREATE TABLE PagoACuenta (
    Per_ID INTEGER PRIMARY KEY AUTOINCREMENT,
    Sid_ID INTEGER NOT NULL REFERENCES Form_Sid3 (Sid_ID) ON DELETE CASCADE,
    Per_Fecha DATE,
    Per_Concepto TEXT(50),
    Per_Monto FIXED2,
    Per_Mes TEXT(2),
    Per_Año TEXT(4),
    Per_Responsable TEXT(50),
    Per_CUIT TEXT(13),
    Per_NumAgenteRet TEXT(6)
);
CREATE INDEX PagoACuenta_Sid_ID ON PagoACuenta (Sid_ID);

-- Annual declarations (CP02), tax per activity and advances per month.
CREATE TABLE CP02 (
    CP02_ID INTEGER PRIMARY KEY AUTOINCREMENT,
    CP01_ID INTEGER NOT NULL REFERENCES Form_Cp01 (CP01_ID) ON DELETE CASCADE,
    CP02_Periodo INTEGER,
    CP02_Tramite TEXT(13),
    Cp02_NumEmpleados INTEGER,
    Cp02_Gravado FIXED2,
    Cp02_No_Gravado FIXED2,
    Cp02_Excento FIXED2,
    Cp02_TasaCero FIXED2,
    CP02_Saldo_Impuesto FIXED2,
    CP02_Saldo_Retenciones FIXED2,
    CP02_Saldo_ImpDepos FIXED2,
    CP02_Saldo_FavorAGT FIXED2,
    CP02_Saldo_FavorContrib FIXED2,
    CP02_ActEx_Numero_1 TEXT(10),
    CP02_ActEx_Porcent_1 FIXED2,
    CP02_ActEx_NormaLegal_1 TEXT(50),
    CP02_ActEx_Año_1 INTEGER,
    CP02_ActEx_FechaIni_1 DATE,
    CP02_ActEx_FechaFin_1 DATE,
    CP02_ActEx_ImporAlc_1 FIXED2,
    CP02_ActEx_Numero_2 TEXT(10),
    CP02_ActEx_Porcent_2 FIXED2,
    CP02_ActEx_NormaLegal_2 TEXT(50),
    CP02_ActEx_Año_2 INTEGER,
    CP02_ActEx_FechaIni_2 DATE,
    CP02_ActEx_FechaFin_2 DATE,
    CP02_ActEx_ImporAlc_2 FIXED2,
    CP02_ActEx_Numero_3 TEXT(10),
    CP02_ActEx_Porcent_3 FIXED2,
    CP02_ActEx_NormaLegal_3 TEXT(50),
    CP02_ActEx_Año_3 INTEGER,
    CP02_ActEx_FechaIni_3 DATE,
    CP02_ActEx_FechaFin_3 DATE,
    CP02_ActEx_ImporAlc_3 FIXED2,
    CP02_ActEx_Numero_4 TEXT(10),
    CP02_ActEx_Porcent_4 FIXED2,
    CP02_ActEx_NormaLegal_4 TEXT(50),
    CP02_ActEx_Año_4 INTEGER,
    CP02_ActEx_FechaIni_4 DATE,
    CP02_ActEx_FechaFin_4 DATE,
    CP02_ActEx_ImporAlc_4 FIXED2,
    CP02_ActEx_Numero_5 TEXT(10),
    CP02_ActEx_Porcent_5 FIXED2,
    CP02_ActEx_NormaLegal_5 TEXT(50),
    CP02_ActEx_Año_5 INTEGER,
    CP02_ActEx_FechaIni_5 DATE,
    CP02_ActEx_FechaFin_5 DATE,
    CP02_ActEx_ImporAlc_5 FIXED2
);
CREATE INDEX CP02_CP01_ID ON CP02 (CP01_ID, CP02_Periodo);
CREATE TABLE Cp02_ImpAnual (
    CPIA_ID INTEGER PRIMARY KEY AUTOINCREMENT,
    CP02_ID INTEGER NOT NULL REFERENCES CP02 (CP02_ID) ON DELETE CASCADE,
    CPIA_Codigo TEXT(6),
    CPIA_Actividad TEXT(160),
    CPIA_Exento INTEGER NOT NULL DEFAULT 0,
    CPIA_BaseImponible FIXED2,
    CPIA_Alicuota FIXED2,
    CPIA_Impuesto FIXED2,
    CPIA_NumEmp INTEGER
);
CREATE INDEX Cp02_ImpAnual_CP02_ID ON Cp02_ImpAnual (CP02_ID);
CREATE TABLE Cp02_AnticMin (
    CPAM_ID INTEGER PRIMARY KEY AUTOINCREMENT,
    CP02_ID INTEGER NOT NULL REFERENCES CP02 (CP02_ID) ON DELETE CASCADE,
    CPAM_Mes TEXT(10),
    CPAM_FechaPago DATE,
    CPAM_BaseImponible FIXED2,
    CPAM_AnticipDeter FIXED2,
    CPAM_ImpuestoMin FIXED2,
    CPAM_TotalComp FIXED2,
    CPAM_Retenciones FIXED2,
    CPAM_Saldo FIXED2,
    CPAM_Depos FIXED2
);
CREATE INDEX Cp02_AnticMin_CP02_ID ON Cp02_AnticMin (CP02_ID);

-- Withholding and perception agents: registers, monthly deposits and credit notes.
CREATE TABLE Form_AgentRetencion (
    AgRet_ID INTEGER PRIMARY KEY AUTOINCREMENT,
    CP01_ID INTEGER NOT NULL REFERENCES Form_Cp01 (CP01_ID) ON DELETE CASCADE,
    AgRet_NumAgReten TEXT(6),
    AgRet_Contribuyente TEXT(100),
    AgRet_CUIT TEXT(13),
    AgRet_IBrutos TEXT(13),
    AgRet_Domicilio TEXT(100),
    AgRet_DomNumero TEXT(10),
    AgRet_Piso TEXT(10),
    AgRet_Depto TEXT(10),
    AgRet_Oficina TEXT(10),
    AgRet_Monoblock TEXT(10),
    AgRet_Planta TEXT(10),
    AgRet_CodPostal TEXT(10),
    AgRet_Localidad TEXT(50),
    AgRet_Provincia TEXT(50),
    AgRet_Te_Caract TEXT(10),
    AgRet_Telefono TEXT(20),
    AgRet_NumRecibo TEXT(13),
    AgRet_Lugar TEXT(50),
    AgRet_Lugar_Fecha DATE,
    AgRet_Fecha_Retencion DATE,
    AgRet_BaseImp FIXED2,
    AgRet_Alicuota FIXED4,
    AgRet_Imp_Retenido FIXED2,
    AgRet_FechaDDJJ DATE,
    AgRet_Periodo_DDJJOutDate TEXT(7),
    AgRet_DDJJNumForm TEXT(7),
    AgRet_DDJJFechaPres DATE
);
CREATE INDEX Form_AgentRetencion_Fecha ON Form_AgentRetencion (CP01_ID, AgRet_Fecha_Retencion);
CREATE INDEX Form_AgentRetencion_DDJJNumForm ON Form_AgentRetencion (AgRet_DDJJNumForm);
CREATE TABLE Form_AgentPercepcion (
    AgPer_ID INTEGER PRIMARY KEY AUTOINCREMENT,
    CP01_ID INTEGER NOT NULL REFERENCES Form_Cp01 (CP01_ID) ON DELETE CASCADE,
    AgPer_NumAgPercep TEXT(6),
    AgPer_Contribuyente TEXT(100),
    AgPer_CUIT TEXT(13),
    AgPer_IBrutos TEXT(13),
    AgPer_Domicilio TEXT(100),
    AgPer_DomNumero TEXT(10),
    AgPer_Piso TEXT(10),
    AgPer_Depto TEXT(10),
    AgPer_Oficina TEXT(10),
    AgPer_Monoblock TEXT(10),
    AgPer_Planta TEXT(10),
    AgPer_CodPostal TEXT(10),
    AgPer_Localidad TEXT(50),
    AgPer_Provincia TEXT(50),
    AgPer_Te_Caract TEXT(10),
    AgPer_Telefono TEXT(20),
    AgPer_NumFactura TEXT(13),
    AgPer_Fecha_Percepcion DATE,
    AgPer_BaseImp FIXED2,
    AgPer_Alicuota FIXED4,
    AgPer_Imp_Percibido FIXED2,
    AgPer_FechaDDJJ DATE,
    AgPer_Periodo_DDJJOutDate TEXT(7),
    AgPer_DDJJNumForm TEXT(7),
    AgPer_DDJJFechaPres DATE
);
CREATE INDEX Form_AgentPercepcion_Fecha ON Form_AgentPercepcion (CP01_ID, AgPer_Fecha_Percepcion);
CREATE INDEX Form_AgentPercepcion_DDJJNumForm ON Form_AgentPercepcion (AgPer_DDJJNumForm);
CREATE TABLE Form_ARP (
    ARP_ID INTEGER PRIMARY KEY AUTOINCREMENT,
    CP01_ID INTEGER NOT NULL REFERENCES Form_Cp01 (CP01_ID) ON DELETE CASCADE,
    Arp_Operacion TEXT(10),
    Arp_Desde DATE,
    Arp_Hasta DATE,
    Arp_FechaVto DATE,
    Arp_FechaPago DATE,
    Arp_Importe FIXED2,
    Arp_SumTotDepositado FIXED2,
    Arp_Intereses FIXED2,
    Arp_Saldo FIXED2,
    Arp_Capital_Amortizado FIXED2,
    Arp_Importe_Depositado FIXED2,
    Arp_NumFormulario TEXT(7),
    Arp_FechaDDJJ DATE,
    Arp_Periodo_DDJJOutDate TEXT(7),
    Arp_DDJJNumForm TEXT(7),
    Arp_DDJJFechaPres DATE
);
CREATE INDEX Form_ARP_Fecha ON Form_ARP (CP01_ID, Arp_Operacion, Arp_Desde);
CREATE INDEX Form_ARP_DDJJNumForm ON Form_ARP (Arp_DDJJNumForm);
-- A credit is for exactly one operation; an operation that was credited cannot be deleted
-- on its own (the credit note already exists), only together with its inscription.
CREATE TABLE Form_AgentCredito (
    AgCre_ID INTEGER PRIMARY KEY AUTOINCREMENT,
    CP01_ID INTEGER NOT NULL REFERENCES Form_Cp01 (CP01_ID) ON DELETE CASCADE,
    AgPer_ID INTEGER REFERENCES Form_AgentPercepcion (AgPer_ID),
    AgRet_ID INTEGER REFERENCES Form_AgentRetencion (AgRet_ID),
    AgCre_BaseImp FIXED2,
    AgCre_Alicuota FIXED4,
    AgCre_Importe FIXED2,
    AgCre_Fecha DATE,
    AgCre_Contribuyente TEXT(100),
    AgCre_Domicilio TEXT(100),
    AgCre_DomNumero TEXT(10),
    AgCre_Telefono TEXT(20),
    AgCre_NumFactura TEXT(13),
    AgCre_DDJJNumForm TEXT(7),
    AgCre_DDJJFechaPres DATE,
    AgCre_ImporteNC FIXED2,
    AgCre_Impreso INTEGER NOT NULL DEFAULT 0,
    CHECK ((AgPer_ID IS NULL) <> (AgRet_ID IS NULL))
);
CREATE INDEX Form_AgentCredito_CP01_ID ON Form_AgentCredito (CP01_ID);
CREATE INDEX Form_AgentCredito_AgPer_ID ON Form_AgentCredito (AgPer_ID);
CREATE INDEX Form_AgentCredito_AgRet_ID ON Form_AgentCredito (AgRet_ID);

-- Payment plans and general payment forms.
CREATE TABLE Form_PFP (
    PFP_ID INTEGER PRIMARY KEY AUTOINCREMENT,
    CP01_ID INTEGER NOT NULL REFERENCES Form_Cp01 (CP01_ID) ON DELETE CASCADE,
    PFP_TipoForm TEXT(30),
    PFP_Tasa FIXED2,
    PFP_FechaAprob DATE,
    PFP_FechaVtoCta2 DATE,
    PFP_ImporteDeuda FIXED2,
    PFP_ImporteAnticipo FIXED2,
    PFP_ImporteCuota FIXED2,
    PFP_CantCuotas INTEGER,
    PFP_NumPFP TEXT(20)
);
CREATE INDEX Form_PFP_CP01_ID ON Form_PFP (CP01_ID);
CREATE TABLE Form_IB08 (
    IB08_ID INTEGER PRIMARY KEY AUTOINCREMENT,
    CP01_ID INTEGER NOT NULL REFERENCES Form_Cp01 (CP01_ID) ON DELETE CASCADE,
    IB08_PosFiscal TEXT(5),
    IB08_FechaPago DATE,
    IB08_Importe FIXED2,
    IB08_Actualizacion FIXED2,
    IB08_Interes FIXED2,
    IB08_Total FIXED2
);
CREATE INDEX Form_IB08_CP01_ID ON Form_IB08 (CP01_ID);
