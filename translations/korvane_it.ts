<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Desktop</name>
    <message>
        <source>Korvane</source>
        <extracomment>Name: the program&apos;s name in the menu; keep it as it is</extracomment>
        <translation>Korvane</translation>
    </message>
    <message>
        <source>SO2 Calculator</source>
        <extracomment>GenericName: what kind of program it is, under or beside its name in the menu</extracomment>
        <translation>Calcolatore di SO2</translation>
    </message>
    <message>
        <source>Work out how much sulphite a wine needs</source>
        <extracomment>Comment: the tooltip of the menu entry; the line under the name in a software centre</extracomment>
        <translation>Calcolare quanto solfito serve a un vino</translation>
    </message>
    <message>
        <source>sulphite;sulfite;SO2;wine;metabisulphite;metabisulfite;winemaking;calculator;</source>
        <extracomment>Keywords: words a menu search finds it by, each followed by a semicolon</extracomment>
        <translation>solfito;SO2;vino;metabisolfito;solfitazione;vinificazione;enologia;calcolatore;</translation>
    </message>
    <message>
        <source>Korvane is an SO2 (sulphite) calculator for winemakers. Enter the wine&apos;s pH, the free SO2 you measured, the batch size and the level you want to reach, given as free SO2 or as molecular SO2, and Korvane computes:</source>
        <extracomment>a paragraph of the description in a software centre</extracomment>
        <translation>Korvane è un calcolatore di SO2 (solfito) per chi fa il vino. Basta inserire il pH del vino, la SO2 libera misurata, il volume del vino e il livello da raggiungere, espresso come SO2 libera o come SO2 molecolare, e Korvane calcola:</translation>
    </message>
    <message>
        <source>the molecular SO2 the wine holds now, and the target in the other kind</source>
        <extracomment>an item of a list in the description in a software centre</extracomment>
        <translation>la SO2 molecolare che il vino contiene ora, e l&apos;obiettivo espresso nell&apos;altra forma</translation>
    </message>
    <message>
        <source>how much free and molecular SO2 must be added, in mg/L</source>
        <extracomment>an item of a list in the description in a software centre</extracomment>
        <translation>quanta SO2 libera e molecolare occorre aggiungere, in mg/L</translation>
    </message>
    <message>
        <source>how much potassium or sodium metabisulphite delivers it: as a number of tablets, as grams and teaspoons of powder, or as millilitres and teaspoons of a stock solution of the strength you use</source>
        <extracomment>an item of a list in the description in a software centre</extracomment>
        <translation>quanto metabisolfito di potassio o di sodio la fornisce: in numero di compresse, in grammi e cucchiaini di polvere, oppure in millilitri e cucchiaini di una soluzione madre della concentrazione in uso</translation>
    </message>
    <message>
        <source>Entries that cannot be right are refused, and unusual ones are questioned before anything is computed. The command korvane-calc does the same work from a terminal or a script.</source>
        <extracomment>a paragraph of the description in a software centre</extracomment>
        <translation>I valori impossibili vengono rifiutati e quelli insoliti richiedono una conferma prima di qualsiasi calcolo. Il comando korvane-calc svolge lo stesso lavoro da un terminale o da uno script.</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>This tank&apos;s details were changed on two devices while apart: the version edited last is shown. Look at the others below and keep the right one.</source>
        <translation>I dati di questa vasca sono stati modificati su due dispositivi separati: è mostrata la versione modificata per ultima. Guardate le altre qui sotto e tenete quella giusta.</translation>
    </message>
    <message>
        <source>Edited %1</source>
        <translation>Modificata il %1</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>mostrata</translation>
    </message>
    <message>
        <source>Keep this version</source>
        <translation>Tenere questa versione</translation>
    </message>
    <message>
        <source>The version kept is now this tank&apos;s details on every device; the others stay in its history.</source>
        <translation>La versione tenuta è ora quella di questa vasca su ogni dispositivo; le altre restano nella sua cronologia.</translation>
    </message>
    <message>
        <source>The volume or target of this tank differs between its versions: this dose is worked out on the one edited last.</source>
        <translation>Il volume o l’obiettivo di questa vasca differisce tra le sue versioni: questa dose è calcolata su quella modificata per ultima.</translation>
    </message>
    <message>
        <source>The volume or target of this tank differs between two devices, so this dose may be wrong. Plan it anyway? Keeping the right version of the tank ends this question.</source>
        <translation>Il volume o l’obiettivo di questa vasca differisce tra due dispositivi: questa dose può essere sbagliata. Pianificarla comunque? Tenere la versione giusta della vasca mette fine a questa domanda.</translation>
    </message>
    <message>
        <source>Sharing between devices</source>
        <translation>Condivisione tra dispositivi</translation>
    </message>
    <message>
        <source>Last synced: %1.</source>
        <translation>Ultima sincronizzazione: %1.</translation>
    </message>
    <message>
        <source>Not synced yet.</source>
        <translation>Non ancora sincronizzato.</translation>
    </message>
    <message>
        <source>Changes waiting to go: %1.</source>
        <translation>Modifiche in attesa di invio: %1.</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Indirizzo del server</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>Database</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Remember the password on this device</source>
        <translation>Ricordare la password su questo dispositivo</translation>
    </message>
    <message>
        <source>Without it, the page asks for the password once per visit.</source>
        <translation>Altrimenti la pagina chiede la password una volta per visita.</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Sincronizzare</translation>
    </message>
    <message>
        <source>Stop syncing and forget the password</source>
        <translation>Interrompere la sincronizzazione e dimenticare la password</translation>
    </message>
    <message>
        <source>Only https:// addresses: a password must not cross a network in clear, and a page served over HTTPS may not call plain HTTP. Plain http:// is for this machine only (localhost).</source>
        <translation>Solo indirizzi https://: una password non deve attraversare una rete in chiaro, e una pagina servita in HTTPS non può chiamare HTTP semplice. L’http:// semplice è solo per questa macchina (localhost).</translation>
    </message>
    <message>
        <source>Give the account and its password in their own fields, not in the address.</source>
        <translation>Indicate l’account e la sua password nei loro campi, non nell’indirizzo.</translation>
    </message>
    <message>
        <source>This is not a server address (https://…).</source>
        <translation>Questo non è un indirizzo di server (https://…).</translation>
    </message>
    <message>
        <source>A database name: small letters, digits and _$()+-/, starting with a letter.</source>
        <translation>Un nome di database: lettere minuscole, cifre e _$()+-/, che inizi con una lettera.</translation>
    </message>
    <message>
        <source>Give the account.</source>
        <translation>Indicate l’account.</translation>
    </message>
    <message>
        <source>Give the account&apos;s password.</source>
        <translation>Indicate la password dell’account.</translation>
    </message>
    <message>
        <source>Sync stopped; the password is no longer kept on this device.</source>
        <translation>Sincronizzazione interrotta; la password non è più conservata su questo dispositivo.</translation>
    </message>
    <message>
        <source>Connecting to the server…</source>
        <translation>Connessione al server…</translation>
    </message>
    <message>
        <source>The server refused this account or password. Nothing kept on this device is lost.</source>
        <translation>Il server ha rifiutato questo account o questa password. Nulla di quanto conservato su questo dispositivo è perso.</translation>
    </message>
    <message>
        <source>The database %1 does not exist on the server. Nothing kept on this device is lost.</source>
        <translation>Il database %1 non esiste sul server. Nulla di quanto conservato su questo dispositivo è perso.</translation>
    </message>
    <message>
        <source>The account %2 may not read the database %1. Nothing kept on this device is lost.</source>
        <translation>L’account %2 non può leggere il database %1. Nulla di quanto conservato su questo dispositivo è perso.</translation>
    </message>
    <message>
        <source>The server does not answer: it may be stopped, or the address is wrong. Nothing kept on this device is lost; the page tries again every half minute.</source>
        <translation>Il server non risponde: forse è fermo, o l’indirizzo è sbagliato. Nulla di quanto conservato su questo dispositivo è perso; la pagina riprova ogni trenta secondi.</translation>
    </message>
    <message>
        <source>The server could not be used just now. Nothing kept on this device is lost; the page tries again every half minute.</source>
        <translation>Il server non si è potuto usare in questo momento. Nulla di quanto conservato su questo dispositivo è perso; la pagina riprova ogni trenta secondi.</translation>
    </message>
    <message>
        <source>The connection to the server dropped. The register keeps working on this device, and its changes go when the server answers again.</source>
        <translation>La connessione al server si è interrotta. Il registro continua a funzionare su questo dispositivo, e le sue modifiche partiranno quando il server risponderà di nuovo.</translation>
    </message>
    <message>
        <source>Syncing…</source>
        <translation>Sincronizzazione…</translation>
    </message>
    <message>
        <source>In step with the server.</source>
        <translation>Allineato con il server.</translation>
    </message>
    <message>
        <source>Not shared: the register is kept on this device only.</source>
        <translation>Nessuna condivisione: il registro è conservato solo su questo dispositivo.</translation>
    </message>
    <message>
        <source>Give the account&apos;s password to sync during this visit.</source>
        <translation>Indicate la password dell’account per sincronizzare durante questa visita.</translation>
    </message>
    <message>
        <source>A cellar file</source>
        <translation>Un file di cantina</translation>
    </message>
    <message>
        <source>Above the legal limit.</source>
        <translation>Oltre il limite di legge.</translation>
    </message>
    <message>
        <source>Addition method</source>
        <translation>Metodo di aggiunta</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Dose</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>Australia</translation>
    </message>
    <message>
        <source>Binding factor</source>
        <translation>Fattore di combinazione</translation>
    </message>
    <message>
        <source>Calculate the questioned tanks too</source>
        <translation>Calcola anche le vasche messe in dubbio</translation>
    </message>
    <message>
        <source>Choose a file</source>
        <translation>Scegli un file</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Colonne</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>Virgola</translation>
    </message>
    <message>
        <source>Decimal mark</source>
        <translation>Separatore decimale</translation>
    </message>
    <message>
        <source>Download CSV</source>
        <translation>Scarica il CSV</translation>
    </message>
    <message>
        <source>Drop a cellar file here (CSV or text, one tank a row), or choose one.</source>
        <translation>Trascinare qui un file di cantina (CSV o testo, una vasca per riga), oppure sceglierne uno.</translation>
    </message>
    <message>
        <source>EU</source>
        <translation>UE</translation>
    </message>
    <message>
        <source>EU organic</source>
        <translation>UE biologico</translation>
    </message>
    <message>
        <source>Found from the file</source>
        <translation>Dedotto dal file</translation>
    </message>
    <message>
        <source>Hectolitres</source>
        <translation>Ettolitri</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Legal limit</source>
        <translation>Limite di legge</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Riga</translation>
    </message>
    <message>
        <source>Liqueur wine</source>
        <translation>Vino liquoroso</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Messaggio</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>No legal limit chosen: the total is checked against none.</source>
        <translation>Nessun limite di legge scelto: il totale non è confrontato con alcun limite.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>Not given</source>
        <translation>Non indicato</translation>
    </message>
    <message>
        <source>OIV</source>
        <translation>OIV</translation>
    </message>
    <message>
        <source>Own limit</source>
        <translation>Limite proprio</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Punto</translation>
    </message>
    <message>
        <source>Projected total SO2</source>
        <translation>SO2 totale prevista</translation>
    </message>
    <message>
        <source>Quality sparkling</source>
        <translation>Spumante di qualità</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>Restore system defaults</source>
        <translation>Ripristina impostazioni di sistema</translation>
    </message>
    <message>
        <source>Rosé</source>
        <translation>Rosato</translation>
    </message>
    <message>
        <source>SO2 added</source>
        <translation>SO2 aggiunta</translation>
    </message>
    <message>
        <source>Save as my defaults</source>
        <translation>Salva come valori predefiniti</translation>
    </message>
    <message>
        <source>Saved as your defaults.</source>
        <translation>Valori predefiniti salvati.</translation>
    </message>
    <message>
        <source>Your defaults were not kept: this browser refuses to store anything for this page.</source>
        <translation>I vostri valori predefiniti non sono stati conservati: questo browser rifiuta di memorizzare qualsiasi cosa per questa pagina.</translation>
    </message>
    <message>
        <source>Sparkling</source>
        <translation>Spumante</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Still</source>
        <translation>Fermo</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Tipo di vino</translation>
    </message>
    <message>
        <source>Sugar</source>
        <translation>Zucchero</translation>
    </message>
    <message>
        <source>Tank</source>
        <translation>Vasca</translation>
    </message>
    <message>
        <source>The first %1 rows; the CSV holds them all.</source>
        <translation>Le prime %1 righe; il CSV le contiene tutte.</translation>
    </message>
    <message>
        <source>The form gives what the file lacks: its sulphite form, method, solution strength and tablet weight, its unit when the file names none, and its target and target kind when the file has no target column. A target column needs its kind, from the file or named below. Each tank&apos;s pH, free SO2 and size must be in the file. The file never leaves this device.</source>
        <translation>Il modulo fornisce ciò che manca al file: la forma di solfito, il metodo, la percentuale della soluzione, il peso della compressa, l’unità quando il file non ne indica, e l’obiettivo con il suo tipo quando il file non ha una colonna dell’obiettivo. Una colonna dell’obiettivo richiede il suo tipo, dal file o scelto qui sotto. Il pH, la SO2 libera e il volume di ogni vasca devono essere nel file. Il file non lascia mai questo dispositivo.</translation>
    </message>
    <message>
        <source>Total SO2</source>
        <translation>SO2 totale</translation>
    </message>
    <message>
        <source>Total SO2 and its legal limit</source>
        <translation>SO2 totale e il suo limite di legge</translation>
    </message>
    <message>
        <source>Total SO2 limit</source>
        <translation>Limite di SO2 totale</translation>
    </message>
    <message>
        <source>US</source>
        <translation>Stati Uniti</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Bianco</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>Your own limit, which wins over the legal one.</source>
        <translation>Il tuo limite, che prevale su quello di legge.</translation>
    </message>
    <message>
        <source>the form</source>
        <translation>il modulo</translation>
    </message>
    <message>
        <source>Not calculated</source>
        <translation>Non calcolato</translation>
    </message>
    <message>
        <source>Write a decimal with a point, as in 22.5.</source>
        <translation>Scrivete i decimali con il punto, come in 22.5.</translation>
    </message>
    <message>
        <source>Free SO2 target</source>
        <translation>SO2 libera obiettivo</translation>
    </message>
    <message>
        <source>Molecular SO2 target</source>
        <translation>SO2 molecolare obiettivo</translation>
    </message>
    <message>
        <source>%1 is %2 MB, and the page takes files up to %3 MB: run korvane-calc --batch on it.</source>
        <translation>%1 è di %2 MB, e la pagina accetta file fino a %3 MB: elaboratelo con korvane-calc --batch.</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>ok</translation>
    </message>
    <message>
        <source>no addition</source>
        <translation>nessuna aggiunta</translation>
    </message>
    <message>
        <source>question</source>
        <translation>domanda</translation>
    </message>
    <message>
        <source>error</source>
        <translation>errore</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>vuota</translation>
    </message>
    <message>
        <source>Free SO2</source>
        <translation>SO2 libera</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>Target kind</source>
        <translation>Tipo di obiettivo</translation>
    </message>
    <message>
        <source>Rows: %1. ok: %2, no addition: %3, questions: %4, errors: %5, blank: %6.</source>
        <translation>Righe: %1. ok: %2, nessuna aggiunta: %3, domande: %4, errori: %5, vuote: %6.</translation>
    </message>
    <message>
        <source>Not calculated, by line: %1.</source>
        <translation>Non calcolate, per riga: %1.</translation>
    </message>
    <message>
        <source>And %1 more.</source>
        <translation>E altre %1.</translation>
    </message>
    <message>
        <source>The file is not UTF-8: it was read as Windows-1252.</source>
        <translation>Il file non è UTF-8: è stato letto come Windows-1252.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; could be %3 or %4: say which decimal mark the file uses.</source>
        <translation>%1 &quot;%2&quot; può valere %3 o %4: indicate il separatore decimale del file.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; sets its thousands apart in groups that are not whole.</source>
        <translation>%1 &quot;%2&quot; separa le migliaia in gruppi incompleti.</translation>
    </message>
    <message>
        <source>%1 has a target column but no target_kind column: add one, or choose the kind of the file&apos;s targets in the list below.</source>
        <translation>%1 ha una colonna target ma nessuna colonna target_kind: aggiungetene una, o scegliete il tipo degli obiettivi del file nell’elenco qui sotto.</translation>
    </message>
    <message>
        <source>Line %1 opens a quote that never closes. Close the quote, then run the batch again.</source>
        <translation>La riga %1 apre delle virgolette che non si chiudono mai. Chiudetele, poi rieseguite l’elaborazione.</translation>
    </message>
    <message>
        <source>Line %1 opens a quote that never closes: the 1 line after it would be read as one field. Close the quote, then run the batch again.</source>
        <translation>La riga %1 apre delle virgolette che non si chiudono mai: la riga seguente sarebbe letta come un solo campo. Chiudetele, poi rieseguite l’elaborazione.</translation>
    </message>
    <message>
        <source>Line %1 opens a quote that never closes: the %2 lines after it would be read as one field. Close the quote, then run the batch again.</source>
        <translation>La riga %1 apre delle virgolette che non si chiudono mai: le %2 righe seguenti sarebbero lette come un solo campo. Chiudetele, poi rieseguite l’elaborazione.</translation>
    </message>
    <message>
        <source>Line %1 holds a byte that is not UTF-8, though the file begins as UTF-8: save it as UTF-8 (or as Unicode text), then run the batch again.</source>
        <translation>La riga %1 contiene un byte che non è UTF-8, benché il file inizi in UTF-8: salvatelo in UTF-8 (o come testo Unicode), poi rieseguite l’elaborazione.</translation>
    </message>
    <message>
        <source>Line %1 writes %2 with the comma as its decimal mark, but line %3 writes %4 with the point: the file mixes decimal marks. Correct it, then run the batch again.</source>
        <translation>La riga %1 scrive %2 con la virgola come separatore decimale, ma la riga %3 scrive %4 con il punto: il file mescola i separatori decimali. Correggetelo, poi rieseguite l’elaborazione.</translation>
    </message>
    <message>
        <source>Line %1 writes %2 with the point as its decimal mark, but line %3 writes %4 with the comma: the file mixes decimal marks. Correct it, then run the batch again.</source>
        <translation>La riga %1 scrive %2 con il punto come separatore decimale, ma la riga %3 scrive %4 con la virgola: il file mescola i separatori decimali. Correggetelo, poi rieseguite l’elaborazione.</translation>
    </message>
    <message>
        <source>Kind of the file&apos;s targets</source>
        <translation>Tipo degli obiettivi del file</translation>
    </message>
    <message>
        <source>Not named</source>
        <translation>Non indicato</translation>
    </message>
    <message>
        <source>Every row takes the form&apos;s unit: %1.</source>
        <translation>Ogni riga prende l’unità del modulo: %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could be thousands or a decimal: write it without the point, or with a decimal comma.</source>
        <translation>«%1» può essere in migliaia o un decimale: scriverlo senza il punto, o con la virgola decimale.</translation>
    </message>
    <message>
        <source>The register</source>
        <translation>Il registro</translation>
    </message>
    <message>
        <source>The device&apos;s storage is full: this record was not kept. Everything kept before is still there; free some space and save again.</source>
        <translation>La memoria del dispositivo è piena: questa registrazione non è stata conservata. Tutto ciò che era conservato prima è ancora lì; liberate spazio e salvate di nuovo.</translation>
    </message>
    <message>
        <source>The browser refuses to keep the register (private browsing, or storage turned off): nothing can be kept on this device.</source>
        <translation>Il browser rifiuta di conservare il registro (navigazione privata o memoria disattivata): nulla può essere conservato su questo dispositivo.</translation>
    </message>
    <message>
        <source>This record was not kept.</source>
        <translation>Questa registrazione non è stata conservata.</translation>
    </message>
    <message>
        <source>New tank</source>
        <translation>Nuova vasca</translation>
    </message>
    <message>
        <source>Show retired tanks</source>
        <translation>Mostra le vasche dismesse</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Cronologia</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Registrazione</translation>
    </message>
    <message>
        <source>Figures</source>
        <translation>Valori</translation>
    </message>
    <message>
        <source>Who</source>
        <translation>Chi</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>Liqueur</source>
        <translation>Liquoroso</translation>
    </message>
    <message>
        <source>Tank details</source>
        <translation>Dati della vasca</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Regime</source>
        <translation>Normativa</translation>
    </message>
    <message>
        <source>Own limit (mg/L)</source>
        <translation>Limite proprio (mg/L)</translation>
    </message>
    <message>
        <source>Target (mg/L)</source>
        <translation>Obiettivo (mg/L)</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Retired</source>
        <translation>Dismessa</translation>
    </message>
    <message>
        <source>Save the tank</source>
        <translation>Salva la vasca</translation>
    </message>
    <message>
        <source>Analysis</source>
        <translation>Analisi</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Data e ora</translation>
    </message>
    <message>
        <source>Free SO2 (mg/L)</source>
        <translation>SO2 libera (mg/L)</translation>
    </message>
    <message>
        <source>Total SO2 (mg/L, optional)</source>
        <translation>SO2 totale (mg/L, facoltativa)</translation>
    </message>
    <message>
        <source>Sugar (g/L, optional)</source>
        <translation>Zucchero (g/L, facoltativo)</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Save the analysis and work out the dose</source>
        <translation>Salva l’analisi e calcola la dose</translation>
    </message>
    <message>
        <source>Work order</source>
        <translation>Ordine di lavoro</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Giorno</translation>
    </message>
    <message>
        <source>Print the work order</source>
        <translation>Stampa l’ordine di lavoro</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Prodotto</translation>
    </message>
    <message>
        <source>SO2 added (mg/L)</source>
        <translation>SO2 aggiunta (mg/L)</translation>
    </message>
    <message>
        <source>Total SO2 after (mg/L)</source>
        <translation>SO2 totale dopo (mg/L)</translation>
    </message>
    <message>
        <source>Initials</source>
        <translation>Sigla</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Drop a cellar file here to add its tanks to the register, each with its row as an analysis.</source>
        <translation>Trascinate qui un file di cantina per aggiungere le sue vasche al registro, ognuna con la sua riga come analisi.</translation>
    </message>
    <message>
        <source>Take tanks from a cellar file</source>
        <translation>Prendi le vasche da un file di cantina</translation>
    </message>
    <message>
        <source>Export the tanks (cellar CSV)</source>
        <translation>Esporta le vasche (CSV di cantina)</translation>
    </message>
    <message>
        <source>Export the additions (CSV)</source>
        <translation>Esporta le aggiunte (CSV)</translation>
    </message>
    <message>
        <source>Back up the register</source>
        <translation>Salva una copia del registro</translation>
    </message>
    <message>
        <source>Restore a backup</source>
        <translation>Ripristina una copia</translation>
    </message>
    <message>
        <source>Choose a tank</source>
        <translation>Scegli una vasca</translation>
    </message>
    <message>
        <source>No tank yet</source>
        <translation>Ancora nessuna vasca</translation>
    </message>
    <message>
        <source>retired</source>
        <translation>dismessa</translation>
    </message>
    <message>
        <source>An addition of this tank was recorded as done twice (two devices, or one offline): both count in its total until one is withdrawn in the history below.</source>
        <translation>Un’aggiunta di questa vasca è stata registrata come fatta due volte (due dispositivi, o uno fuori linea): entrambe contano nel suo totale finché una non viene ritirata nella cronologia qui sotto.</translation>
    </message>
    <message>
        <source>This tank&apos;s details were changed on two devices: the ones shown won; check them and save.</source>
        <translation>I dati di questa vasca sono stati cambiati su due dispositivi: prevalgono quelli mostrati; controllateli e salvate.</translation>
    </message>
    <message>
        <source>No analysis yet: enter the first one below.</source>
        <translation>Ancora nessuna analisi: inserite la prima qui sotto.</translation>
    </message>
    <message>
        <source>Latest analysis</source>
        <translation>Ultima analisi</translation>
    </message>
    <message>
        <source>not measured</source>
        <translation>non misurata</translation>
    </message>
    <message>
        <source>Total SO2 as last measured, with the additions since</source>
        <translation>SO2 totale all’ultima misura, con le aggiunte da allora</translation>
    </message>
    <message>
        <source>limit</source>
        <translation>limite</translation>
    </message>
    <message>
        <source>over the limit</source>
        <translation>oltre il limite</translation>
    </message>
    <message>
        <source>An addition is planned since the latest analysis: enter a new analysis to work out another.</source>
        <translation>Un’aggiunta è prevista dall’ultima analisi: inserite una nuova analisi per calcolarne un’altra.</translation>
    </message>
    <message>
        <source>No addition needed.</source>
        <translation>Nessuna aggiunta necessaria.</translation>
    </message>
    <message>
        <source>Dose</source>
        <translation>Dose</translation>
    </message>
    <message>
        <source>Plan this addition</source>
        <translation>Prevedi questa aggiunta</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Correggi</translation>
    </message>
    <message>
        <source>Withdraw</source>
        <translation>Ritira</translation>
    </message>
    <message>
        <source>Planned addition withdrawn.</source>
        <translation>Aggiunta prevista ritirata.</translation>
    </message>
    <message>
        <source>An addition withdrawn on one device was recorded as done on another: it was made, so it counts in the total. Look at the history below before planning another.</source>
        <translation>Un’aggiunta ritirata su un dispositivo è stata registrata come fatta su un altro: è stata fatta, quindi conta nel totale. Guardate la cronologia qui sotto prima di prevederne un’altra.</translation>
    </message>
    <message>
        <source>An addition was planned on an analysis corrected since: it is left off the work order. Withdraw it in the history below, and plan again from the new dose.</source>
        <translation>Un’aggiunta è stata prevista su un’analisi corretta in seguito: è lasciata fuori dall’ordine di lavoro. Ritiratela nella cronologia qui sotto, e prevedete di nuovo in base alla nuova dose.</translation>
    </message>
    <message>
        <source>The addition planned on the analysis it corrects was withdrawn: plan it again from the new dose.</source>
        <translation>L’aggiunta prevista sull’analisi che essa corregge è stata ritirata: prevedetela di nuovo in base alla nuova dose.</translation>
    </message>
    <message>
        <source>Addition done</source>
        <translation>Aggiunta fatta</translation>
    </message>
    <message>
        <source>Addition planned</source>
        <translation>Aggiunta prevista</translation>
    </message>
    <message>
        <source>SO2 of the tank over time: free, molecular, total and its limit, with the additions.</source>
        <translation>La SO2 della vasca nel tempo: libera, molecolare, totale e il suo limite, con le aggiunte.</translation>
    </message>
    <message>
        <source>Molecular SO2</source>
        <translation>SO2 molecolare</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Limite</translation>
    </message>
    <message>
        <source>Additions</source>
        <translation>Aggiunte</translation>
    </message>
    <message>
        <source>Not done</source>
        <translation>Non fatto</translation>
    </message>
    <message>
        <source>No addition planned for this day.</source>
        <translation>Nessuna aggiunta prevista per questo giorno.</translation>
    </message>
    <message>
        <source>A tank needs a name.</source>
        <translation>Una vasca deve avere un nome.</translation>
    </message>
    <message>
        <source>Another tank has this name.</source>
        <translation>Un’altra vasca ha questo nome.</translation>
    </message>
    <message>
        <source>Tank saved.</source>
        <translation>Vasca salvata.</translation>
    </message>
    <message>
        <source>Save the tank first.</source>
        <translation>Salvate prima la vasca.</translation>
    </message>
    <message>
        <source>Give the date and time of the analysis.</source>
        <translation>Indicate data e ora dell’analisi.</translation>
    </message>
    <message>
        <source>Analysis saved.</source>
        <translation>Analisi salvata.</translation>
    </message>
    <message>
        <source>Correct the analysis and save it: the new one replaces it, and the old one is kept.</source>
        <translation>Correggete l’analisi e salvatela: la nuova la sostituisce, e la vecchia è conservata.</translation>
    </message>
    <message>
        <source>Addition planned: it is on the work order.</source>
        <translation>Aggiunta prevista: è nell’ordine di lavoro.</translation>
    </message>
    <message>
        <source>Addition recorded as done.</source>
        <translation>Aggiunta registrata come fatta.</translation>
    </message>
    <message>
        <source>Tanks taken from the file: %1.</source>
        <translation>Vasche prese dal file: %1.</translation>
    </message>
    <message>
        <source>Rows not taken for an error: %1. The first is line %2: %3</source>
        <translation>Righe non prese per un errore: %1. La prima è la riga %2: %3</translation>
    </message>
    <message>
        <source>%1 has a target column but no target_kind column: add one to the file, with free or molecular on each row.</source>
        <translation>%1 ha una colonna target ma nessuna colonna target_kind: aggiungetene una al file, con free o molecular su ogni riga.</translation>
    </message>
    <message>
        <source>A dose&apos;s questions are asked when its analysis is entered: correct the analysis and save it to answer them.</source>
        <translation>Le domande di una dose si pongono quando la sua analisi è inserita: correggete l’analisi e salvatela per rispondervi.</translation>
    </message>
    <message>
        <source>Backup restored: %1 records.</source>
        <translation>Copia ripristinata: %1 registrazioni.</translation>
    </message>
    <message>
        <source>This file is not a backup of the register.</source>
        <translation>Questo file non è una copia del registro.</translation>
    </message>
    <message>
        <source>The register could not be opened: the tanks listed are those this device showed last, and nothing can be changed.</source>
        <translation>Non è stato possibile aprire il registro: le vasche elencate sono quelle che questo dispositivo ha mostrato per ultime, e non si può modificare nulla.</translation>
    </message>
    <message>
        <source>European Union</source>
        <translation>Unione europea</translation>
    </message>
    <message>
        <source>United States</source>
        <translation>Stati Uniti</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Soluzione</translation>
    </message>
    <message>
        <source>Tablet</source>
        <translation>Compressa</translation>
    </message>
    <message>
        <source>Molecular</source>
        <translation>Molecolare</translation>
    </message>
    <message>
        <source>tablets</source>
        <translation>compresse</translation>
    </message>
    <message>
        <source>teaspoons</source>
        <translation>cucchiaini</translation>
    </message>
    <message>
        <source>US gallons</source>
        <translation>galloni USA</translation>
    </message>
    <message>
        <source>Imperial gallons</source>
        <translation>galloni imperiali</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calcolatore</translation>
    </message>
    <message>
        <source>Provided as is.</source>
        <translation>Fornito così com&apos;è.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>frmSettings</name>
    <message>
        <source>Default Settings</source>
        <translation>Impostazioni predefinite</translation>
    </message>
    <message>
        <source>Close and save settings.</source>
        <translation>Salva le impostazioni e chiudi.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Close without saving settings.</source>
        <translation>Chiudi senza salvare le impostazioni.</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Sulphite Data</source>
        <translation>Dati del solfitante</translation>
    </message>
    <message>
        <source>Default sulphite form.</source>
        <translation>Forma predefinita del solfitante.</translation>
    </message>
    <message>
        <source>Powder</source>
        <translation>Polvere</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Soluz.</translation>
    </message>
    <message>
        <source>Tablet</source>
        <translation>Cpr.</translation>
    </message>
    <message>
        <source>Default solution %.</source>
        <translation>Percentuale predefinita della soluzione madre.</translation>
    </message>
    <message>
        <source>Increase or decrease solution percentage</source>
        <translation>Aumenta o diminuisci la percentuale della soluzione madre</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Default tablet weight.</source>
        <translation>Peso predefinito della compressa.</translation>
    </message>
    <message>
        <source>Increase or decrease tablet weight</source>
        <translation>Aumenta o diminuisci il peso della compressa</translation>
    </message>
    <message>
        <source>g</source>
        <translation>g</translation>
    </message>
    <message>
        <source>Batch Data</source>
        <translation>Dati del vino</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Vol.</translation>
    </message>
    <message>
        <source>Default batch size.</source>
        <translation>Volume predefinito del vino.</translation>
    </message>
    <message>
        <source>Increase or decrease batch size</source>
        <translation>Aumenta o diminuisci il volume del vino</translation>
    </message>
    <message>
        <source>Default batch units.</source>
        <translation>Unità di misura predefinita del volume.</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Obiettivo</translation>
    </message>
    <message>
        <source>Restore System Settings</source>
        <translation>Ripristina le impostazioni di sistema</translation>
    </message>
    <message>
        <source>&amp;Restore System Defaults</source>
        <translation>&amp;Ripristina impostazioni di sistema</translation>
    </message>
</context>
<context>
    <name>frmSulfite</name>
    <message>
        <source>Sulphite Data</source>
        <translation>Dati del solfitante</translation>
    </message>
    <message>
        <source>Sulphite source</source>
        <translation>Fonte di solfito</translation>
    </message>
    <message>
        <source>Powder</source>
        <translation>Polvere</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Soluz.</translation>
    </message>
    <message>
        <source>Tablet</source>
        <translation>Cpr.</translation>
    </message>
    <message>
        <source>Percentage of metabisulphite</source>
        <translation>Percentuale di metabisolfito nella soluzione madre</translation>
    </message>
    <message>
        <source>Solution percentage</source>
        <translation>Percentuale della soluzione madre</translation>
    </message>
    <message>
        <source>Increase or decrease solution percentage</source>
        <translation>Aumenta o diminuisci la percentuale della soluzione madre</translation>
    </message>
    <message>
        <source>Mass of 1 tablet</source>
        <translation>Peso di 1 compressa</translation>
    </message>
    <message>
        <source>Tablet weight</source>
        <translation>Peso della compressa</translation>
    </message>
    <message>
        <source>Increase or decrease tablet weight</source>
        <translation>Aumenta o diminuisci il peso della compressa</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>g</source>
        <translation>g</translation>
    </message>
    <message>
        <source>Batch Data</source>
        <translation>Dati del vino</translation>
    </message>
    <message>
        <source>Batch size units.</source>
        <translation>Unità di misura del volume.</translation>
    </message>
    <message>
        <source>Batch Size</source>
        <translation>Volume del vino</translation>
    </message>
    <message>
        <source>Increase or decrease batch size</source>
        <translation>Aumenta o diminuisci il volume del vino</translation>
    </message>
    <message>
        <source>Wine pH level.</source>
        <translation>pH del vino.</translation>
    </message>
    <message>
        <source>Increase or decrease pH</source>
        <translation>Aumenta o diminuisci il pH</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Vol.</translation>
    </message>
    <message>
        <source>pH</source>
        <translation>pH</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Obiettivo</translation>
    </message>
    <message>
        <source>Measured free SO2 level.</source>
        <translation>SO2 libera misurata.</translation>
    </message>
    <message>
        <source>Increase or decrease existing SO2</source>
        <translation>Aumenta o diminuisci la SO2 attuale</translation>
    </message>
    <message>
        <source>Desired free SO2 target level.</source>
        <translation>SO2 libera desiderata.</translation>
    </message>
    <message>
        <source>Increase or decrease target free SO2</source>
        <translation>Aumenta o diminuisci la SO2 libera voluta</translation>
    </message>
    <message>
        <source>Desired molecular SO2 target level.</source>
        <translation>SO2 molecolare desiderata.</translation>
    </message>
    <message>
        <source>Target molecular SO2</source>
        <translation>SO2 molecolare voluta</translation>
    </message>
    <message>
        <source>Increase or decrease target molecular SO2</source>
        <translation>Aumenta o diminuisci la SO2 molecolare voluta</translation>
    </message>
    <message>
        <source>Calculated existing molecular SO2 level.</source>
        <translation>SO2 molecolare attuale calcolata.</translation>
    </message>
    <message>
        <source>Incremental free SO2 required.</source>
        <translation>Incremento di SO2 libera necessario.</translation>
    </message>
    <message>
        <source>Incremental molecular SO2 required.</source>
        <translation>Incremento di SO2 molecolare necessario.</translation>
    </message>
    <message>
        <source>Amount of sulphite required to achieve target SO2 level.</source>
        <translation>Quantità di solfitante necessaria per raggiungere la SO2 voluta.</translation>
    </message>
    <message>
        <source>Total Free  </source>
        <translation>Libera</translation>
    </message>
    <message>
        <source>Molecular</source>
        <translation>Molecol.</translation>
    </message>
    <message>
        <source>(mg/L)</source>
        <translation>(mg/L)</translation>
    </message>
    <message>
        <source>Existing SO2</source>
        <translation>SO2 attuale</translation>
    </message>
    <message>
        <source>Target SO2</source>
        <translation>SO2 voluta</translation>
    </message>
    <message>
        <source>SO2 Requirement</source>
        <translation>SO2 da integrare</translation>
    </message>
    <message>
        <source>Required Addition </source>
        <translation>Dose da aggiungere</translation>
    </message>
    <message>
        <source>Compute sulphite requirements.</source>
        <translation>Calcola la dose di solfitante.</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcola</translation>
    </message>
    <message>
        <source>Program information</source>
        <translation>Informazioni sul programma</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>Select default settings</source>
        <translation>Scegli le impostazioni predefinite</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>Close application</source>
        <translation>Chiudi il programma</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
</context>
<context>
    <name>korvane</name>
    <message>
        <source>Limit %1 mg/L: %2</source>
        <translation>Limite %1 mg/L: %2</translation>
    </message>
    <message>
        <source>Potassium Metabisulphite</source>
        <translation>Metabisolfito di potassio</translation>
    </message>
    <message>
        <source>Sodium Metabisulphite</source>
        <translation>Metabisolfito di sodio</translation>
    </message>
    <message>
        <source>The limit must be a number of mg/L above 0 and up to 1000000.</source>
        <translation>Il limite deve essere un numero di mg/L maggiore di 0 e al massimo 1000000.</translation>
    </message>
    <message>
        <source>U.S. Gal.</source>
        <translation>gal USA</translation>
    </message>
    <message>
        <source>Imp. Gal.</source>
        <translation>gal imp.</translation>
    </message>
    <message>
        <source>Litres</source>
        <translation>Litri</translation>
    </message>
    <message>
        <source>Imp. gal.</source>
        <translation>gal imp.</translation>
    </message>
    <message>
        <source>Total Free SO2</source>
        <translation>SO2 libera</translation>
    </message>
    <message>
        <source>Molecular SO2</source>
        <translation>SO2 molecolare</translation>
    </message>
    <message>
        <source>tablets</source>
        <translation>compr.</translation>
    </message>
    <message>
        <source>g</source>
        <translation>g</translation>
    </message>
    <message>
        <source>tsp</source>
        <translation>c.ni</translation>
    </message>
    <message>
        <source>ml</source>
        <translation>ml</translation>
    </message>
    <message>
        <source>Please enter solution percentage.</source>
        <translation>Inserire la percentuale della soluzione madre.</translation>
    </message>
    <message>
        <source>Solution percentage must be numeric.</source>
        <translation>La percentuale della soluzione madre deve essere un numero.</translation>
    </message>
    <message>
        <source>Solution % must be between 0 and 100.</source>
        <translation>La % della soluzione madre deve essere compresa tra 0 e 100.</translation>
    </message>
    <message>
        <source>Please enter tablet weight.</source>
        <translation>Inserire il peso della compressa.</translation>
    </message>
    <message>
        <source>Tablet weight must be numeric.</source>
        <translation>Il peso della compressa deve essere un numero.</translation>
    </message>
    <message>
        <source>Tablet weight cannot be less than 0.</source>
        <translation>Il peso della compressa non può essere inferiore a 0.</translation>
    </message>
    <message>
        <source>Please enter batch size.</source>
        <translation>Inserire il volume del vino.</translation>
    </message>
    <message>
        <source>Batch size must be numeric.</source>
        <translation>Il volume del vino deve essere un numero.</translation>
    </message>
    <message>
        <source>Batch size must be greater than 0.</source>
        <translation>Il volume del vino deve essere maggiore di 0.</translation>
    </message>
    <message>
        <source>Please enter pH.</source>
        <translation>Inserire il pH.</translation>
    </message>
    <message>
        <source>pH must be numeric.</source>
        <translation>Il pH deve essere un numero.</translation>
    </message>
    <message>
        <source>pH must be between 1 and 14.</source>
        <translation>Il pH deve essere compreso tra 1 e 14.</translation>
    </message>
    <message>
        <source>Please enter existing SO2.</source>
        <translation>Inserire la SO2 attuale.</translation>
    </message>
    <message>
        <source>Existing SO2 must be numeric.</source>
        <translation>La SO2 attuale deve essere un numero.</translation>
    </message>
    <message>
        <source>Please enter target SO2.</source>
        <translation>Inserire la SO2 voluta.</translation>
    </message>
    <message>
        <source>Target SO2 must be numeric.</source>
        <translation>La SO2 voluta deve essere un numero.</translation>
    </message>
    <message>
        <source>Existing SO2 cannot be greater than target SO2.</source>
        <translation>La SO2 attuale non può essere maggiore della SO2 voluta.</translation>
    </message>
    <message>
        <source>Tablet weight appears high. Are you sure it is correct?</source>
        <translation>Il peso della compressa sembra alto. Il valore è corretto?</translation>
    </message>
    <message>
        <source>Solution percentage appears high. Are you sure it is correct?</source>
        <translation>La percentuale della soluzione madre sembra alta. Il valore è corretto?</translation>
    </message>
    <message>
        <source>pH appears low. Are you sure it is correct?</source>
        <translation>Il pH sembra basso. Il valore è corretto?</translation>
    </message>
    <message>
        <source>pH appears high. Are you sure it is correct?</source>
        <translation>Il pH sembra alto. Il valore è corretto?</translation>
    </message>
    <message>
        <source>User default settings not found.<byte value="xd"/>Loading system defaults.</source>
        <translation>Impostazioni predefinite dell&apos;utente non trovate.<byte value="xd"/>Verranno caricate le impostazioni di sistema.</translation>
    </message>
    <message>
        <source>Error setting user defaults.<byte value="xd"/>Using system defaults.</source>
        <translation>Errore nell&apos;applicazione delle impostazioni predefinite dell&apos;utente.<byte value="xd"/>Verranno usate le impostazioni di sistema.</translation>
    </message>
    <message>
        <source>%1 already running.</source>
        <translation>%1 è già in esecuzione.</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 non è un file regolare</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 è di sola lettura</translation>
    </message>
    <message>
        <source>No user folder for settings.cfg: HOME is not set to a full path</source>
        <translation>Nessuna cartella utente per settings.cfg: HOME non è impostata su un percorso completo</translation>
    </message>
    <message>
        <source>Please select a sulphite form.</source>
        <translation>Scegliere una forma di solfito.</translation>
    </message>
    <message>
        <source>Solution percentage must be greater than 0.</source>
        <translation>La percentuale della soluzione madre deve essere maggiore di 0.</translation>
    </message>
    <message>
        <source>Tablet weight must be greater than 0.</source>
        <translation>Il peso della compressa deve essere maggiore di 0.</translation>
    </message>
    <message>
        <source>Existing SO2 cannot be less than 0.</source>
        <translation>La SO2 attuale non può essere inferiore a 0.</translation>
    </message>
    <message>
        <source>Target SO2 cannot be less than 0.</source>
        <translation>La SO2 voluta non può essere inferiore a 0.</translation>
    </message>
    <message>
        <source>Free SO2 target appears high. Are you sure it is correct?</source>
        <translation>La SO2 libera voluta sembra alta. Il valore è corretto?</translation>
    </message>
    <message>
        <source>Molecular SO2 target appears high. Are you sure it is correct?</source>
        <translation>La SO2 molecolare voluta sembra alta. Il valore è corretto?</translation>
    </message>
    <message>
        <source>Batch size is too large to calculate.</source>
        <translation>Il volume del vino è troppo grande per il calcolo.</translation>
    </message>
    <message>
        <source>Target SO2 is too large to calculate.</source>
        <translation>La SO2 voluta è troppo grande per il calcolo.</translation>
    </message>
    <message>
        <source>Solution percentage is too small to calculate.</source>
        <translation>La percentuale della soluzione madre è troppo piccola per il calcolo.</translation>
    </message>
    <message>
        <source>Tablet weight is too small to calculate.</source>
        <translation>Il peso della compressa è troppo piccolo per il calcolo.</translation>
    </message>
    <message>
        <source>No addition needed: the wine is at or above its target.</source>
        <translation>Nessuna aggiunta necessaria: il vino ha già raggiunto o superato la SO2 voluta.</translation>
    </message>
    <message>
        <source>Tablet weight appears low. Are you sure it is correct?</source>
        <translation>Il peso della compressa sembra basso. Il valore è corretto?</translation>
    </message>
    <message>
        <source>Solution percentage appears low. Are you sure it is correct?</source>
        <translation>La percentuale della soluzione madre sembra bassa. Il valore è corretto?</translation>
    </message>
    <message>
        <source>pKa appears low. Are you sure it is correct?</source>
        <translation>Il pKa sembra basso. Il valore è corretto?</translation>
    </message>
    <message>
        <source>pKa appears high. Are you sure it is correct?</source>
        <translation>Il pKa sembra alto. Il valore è corretto?</translation>
    </message>
    <message>
        <source>Existing SO2 appears low. Are you sure it is correct?</source>
        <translation>La SO2 attuale sembra bassa. Il valore è corretto?</translation>
    </message>
    <message>
        <source>Existing SO2 appears high. Are you sure it is correct?</source>
        <translation>La SO2 attuale sembra alta. Il valore è corretto?</translation>
    </message>
    <message>
        <source>Batch size appears large. Are you sure it is correct?</source>
        <translation>Il volume del vino sembra molto grande. Il valore è corretto?</translation>
    </message>
    <message>
        <source>Free SO2 target appears low. Are you sure it is correct?</source>
        <translation>La SO2 libera voluta sembra bassa. Il valore è corretto?</translation>
    </message>
    <message>
        <source>Molecular SO2 target appears low. Are you sure it is correct?</source>
        <translation>La SO2 molecolare voluta sembra bassa. Il valore è corretto?</translation>
    </message>
    <message>
        <source>The amount, %1 ml, is more than any cellar could add: check the batch size, the target and the solution percentage.</source>
        <translation>La quantità, %1 ml, è più di quanto una cantina possa aggiungere: controllare il volume del vino, la SO2 voluta e la percentuale della soluzione madre.</translation>
    </message>
    <message>
        <source>The amount, %1 tablets, is more than any cellar could add: check the batch size, the target and the tablet weight.</source>
        <translation>La quantità, %1 compresse, è più di quanto una cantina possa aggiungere: controllare il volume del vino, la SO2 voluta e il peso della compressa.</translation>
    </message>
    <message>
        <source>The amount, %1 g, is more than any cellar could add: check the batch size and the target.</source>
        <translation>La quantità, %1 g, è più di quanto una cantina possa aggiungere: controllare il volume del vino e la SO2 voluta.</translation>
    </message>
    <message>
        <source>The amount is less than 0.01 g, too little to weigh: check the batch size, or use a stock solution.</source>
        <translation>La quantità è inferiore a 0,01 g, troppo poca da pesare: controllare il volume del vino, o usare una soluzione.</translation>
    </message>
    <message>
        <source>The amount is less than 0.01 ml, too little to measure: check the batch size, or use a weaker solution.</source>
        <translation>La quantità è inferiore a 0,01 ml, troppo poca da misurare: controllare il volume del vino, o usare una soluzione meno concentrata.</translation>
    </message>
    <message>
        <source>The amount is less than 0.01 tablets, too little to add: check the batch size and the tablet weight.</source>
        <translation>La quantità è inferiore a 0,01 compresse, troppo poca da aggiungere: controllare il volume del vino e il peso di una compressa.</translation>
    </message>
    <message>
        <source>Total SO2 would reach %1 mg/L, above the %2 mg/L %3 limit for %4. Are you sure it is correct?</source>
        <translation>La SO2 totale raggiungerebbe %1 mg/L, oltre il limite di %2 mg/L (%3) per %4. Confermi questo valore?</translation>
    </message>
    <message>
        <source>Total SO2 would reach %1 mg/L, above the %2 mg/L limit given. Are you sure it is correct?</source>
        <translation>La SO2 totale raggiungerebbe %1 mg/L, oltre il limite indicato di %2 mg/L. Confermi questo valore?</translation>
    </message>
    <message>
        <source>%1 limit for %2</source>
        <translation>limite (%1) per %2</translation>
    </message>
    <message>
        <source>limit given with --limit</source>
        <translation>limite indicato con --limit</translation>
    </message>
    <message>
        <source>colour not given: took red&apos;s limit</source>
        <translation>colore non indicato: preso il limite del rosso</translation>
    </message>
    <message>
        <source>style not given: took still wine&apos;s limit</source>
        <translation>stile non indicato: preso il limite del vino fermo</translation>
    </message>
    <message>
        <source>sugar not given: took the stricter limit</source>
        <translation>zucchero non indicato: preso il limite più severo</translation>
    </message>
    <message>
        <source>quality sparkling wine</source>
        <translation>vino spumante di qualità</translation>
    </message>
    <message>
        <source>sparkling wine</source>
        <translation>vino spumante</translation>
    </message>
    <message>
        <source>liqueur wine</source>
        <translation>vino liquoroso</translation>
    </message>
    <message>
        <source>white</source>
        <translation>bianco</translation>
    </message>
    <message>
        <source>rosé</source>
        <translation>rosato</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rosso</translation>
    </message>
    <message>
        <source>a %1</source>
        <translation>un %1</translation>
    </message>
    <message>
        <source>a %1 with %2 to under %3 g/L of sugar</source>
        <translation>un %1 con da %2 a meno di %3 g/L di zucchero</translation>
    </message>
    <message>
        <source>a dry %1</source>
        <translation>un %1 secco</translation>
    </message>
    <message>
        <source>a %1 with %2 g/L of sugar or more</source>
        <translation>un %1 con %2 g/L di zucchero o più</translation>
    </message>
    <message>
        <source>a %1 with %2 g/L of sugar or less</source>
        <translation>un %1 con %2 g/L di zucchero o meno</translation>
    </message>
    <message>
        <source>a %1 with more than %2 g/L of sugar</source>
        <translation>un %1 con più di %2 g/L di zucchero</translation>
    </message>
    <message>
        <source>EU organic</source>
        <translation>UE biologico</translation>
    </message>
    <message>
        <source>US</source>
        <translation>Stati Uniti</translation>
    </message>
    <message>
        <source>Australian</source>
        <translation>Australia</translation>
    </message>
    <message>
        <source>OIV</source>
        <translation>OIV</translation>
    </message>
    <message>
        <source>EU</source>
        <translation>UE</translation>
    </message>
    <message>
        <source>Binding factor must be numeric.</source>
        <translation>Il fattore di combinazione deve essere numerico.</translation>
    </message>
    <message>
        <source>Binding factor cannot be less than 1.</source>
        <translation>Il fattore di combinazione non può essere inferiore a 1.</translation>
    </message>
    <message>
        <source>Total SO2 must be numeric.</source>
        <translation>La SO2 totale deve essere numerica.</translation>
    </message>
    <message>
        <source>Total SO2 cannot be less than free SO2.</source>
        <translation>La SO2 totale non può essere inferiore alla SO2 libera.</translation>
    </message>
    <message>
        <source>Sugar must be numeric.</source>
        <translation>Lo zucchero deve essere numerico.</translation>
    </message>
    <message>
        <source>Sugar cannot be less than 0.</source>
        <translation>Lo zucchero non può essere inferiore a 0.</translation>
    </message>
    <message>
        <source>Binding factor appears high. Are you sure it is correct?</source>
        <translation>Il fattore di combinazione sembra alto. Confermi questo valore?</translation>
    </message>
    <message>
        <source>Total SO2 appears low. Are you sure it is correct?</source>
        <translation>La SO2 totale sembra bassa. Confermi questo valore?</translation>
    </message>
</context>
</TS>
