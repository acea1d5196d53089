<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
        <translation>Calculateur de SO2</translation>
    </message>
    <message>
        <source>Work out how much sulphite a wine needs</source>
        <extracomment>Comment: the tooltip of the menu entry; the line under the name in a software centre</extracomment>
        <translation>Calculer la quantité de sulfite dont un vin a besoin</translation>
    </message>
    <message>
        <source>sulphite;sulfite;SO2;wine;metabisulphite;metabisulfite;winemaking;calculator;</source>
        <extracomment>Keywords: words a menu search finds it by, each followed by a semicolon</extracomment>
        <translation>sulfite;SO2;vin;métabisulfite;sulfitage;vinification;œnologie;calculateur;</translation>
    </message>
    <message>
        <source>Korvane is an SO2 (sulphite) calculator for winemakers. Enter the wine&apos;s pH, the free SO2 you measured, the batch size and the level you want to reach, given as free SO2 or as molecular SO2, and Korvane computes:</source>
        <extracomment>a paragraph of the description in a software centre</extracomment>
        <translation>Korvane est un calculateur de SO2 (sulfite) pour les vinificateurs. Saisissez le pH du vin, le SO2 libre mesuré, le volume de la cuvée et le niveau à atteindre, en SO2 libre ou en SO2 moléculaire, et Korvane calcule&#xa0;:</translation>
    </message>
    <message>
        <source>the molecular SO2 the wine holds now, and the target in the other kind</source>
        <extracomment>an item of a list in the description in a software centre</extracomment>
        <translation>le SO2 moléculaire que le vin contient actuellement, et l’objectif exprimé dans l’autre forme</translation>
    </message>
    <message>
        <source>how much free and molecular SO2 must be added, in mg/L</source>
        <extracomment>an item of a list in the description in a software centre</extracomment>
        <translation>la quantité de SO2 libre et moléculaire à apporter, en mg/L</translation>
    </message>
    <message>
        <source>how much potassium or sodium metabisulphite delivers it: as a number of tablets, as grams and teaspoons of powder, or as millilitres and teaspoons of a stock solution of the strength you use</source>
        <extracomment>an item of a list in the description in a software centre</extracomment>
        <translation>la quantité de métabisulfite de potassium ou de sodium qui l’apporte&#xa0;: en nombre de comprimés, en grammes et cuillères à café de poudre, ou en millilitres et cuillères à café d’une solution mère à la concentration que vous utilisez</translation>
    </message>
    <message>
        <source>Entries that cannot be right are refused, and unusual ones are questioned before anything is computed. The command korvane-calc does the same work from a terminal or a script.</source>
        <extracomment>a paragraph of the description in a software centre</extracomment>
        <translation>Les valeurs impossibles sont refusées, et les valeurs inhabituelles demandent une confirmation avant tout calcul. La commande korvane-calc fait le même travail depuis un terminal ou un script.</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>This tank&apos;s details were changed on two devices while apart: the version edited last is shown. Look at the others below and keep the right one.</source>
        <translation>Les données de cette cuve ont été modifiées sur deux appareils séparés : la version modifiée en dernier est affichée. Regardez les autres ci-dessous et gardez la bonne.</translation>
    </message>
    <message>
        <source>Edited %1</source>
        <translation>Modifiée le %1</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>affichée</translation>
    </message>
    <message>
        <source>Keep this version</source>
        <translation>Garder cette version</translation>
    </message>
    <message>
        <source>The version kept is now this tank&apos;s details on every device; the others stay in its history.</source>
        <translation>La version gardée est désormais celle de cette cuve sur tous les appareils ; les autres restent dans son historique.</translation>
    </message>
    <message>
        <source>The volume or target of this tank differs between its versions: this dose is worked out on the one edited last.</source>
        <translation>Le volume ou l’objectif de cette cuve diffère entre ses versions : cette dose est calculée sur celle modifiée en dernier.</translation>
    </message>
    <message>
        <source>The volume or target of this tank differs between two devices, so this dose may be wrong. Plan it anyway? Keeping the right version of the tank ends this question.</source>
        <translation>Le volume ou l’objectif de cette cuve diffère entre deux appareils : cette dose peut être fausse. La prévoir quand même ? Garder la bonne version de la cuve met fin à cette question.</translation>
    </message>
    <message>
        <source>Sharing between devices</source>
        <translation>Partage entre appareils</translation>
    </message>
    <message>
        <source>Last synced: %1.</source>
        <translation>Dernière synchronisation : %1.</translation>
    </message>
    <message>
        <source>Not synced yet.</source>
        <translation>Pas encore synchronisé.</translation>
    </message>
    <message>
        <source>Changes waiting to go: %1.</source>
        <translation>Modifications en attente d’envoi : %1.</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Adresse du serveur</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>Base de données</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Remember the password on this device</source>
        <translation>Retenir le mot de passe sur cet appareil</translation>
    </message>
    <message>
        <source>Without it, the page asks for the password once per visit.</source>
        <translation>Sinon, la page demande le mot de passe une fois par visite.</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Synchroniser</translation>
    </message>
    <message>
        <source>Stop syncing and forget the password</source>
        <translation>Arrêter la synchronisation et oublier le mot de passe</translation>
    </message>
    <message>
        <source>Only https:// addresses: a password must not cross a network in clear, and a page served over HTTPS may not call plain HTTP. Plain http:// is for this machine only (localhost).</source>
        <translation>Uniquement des adresses https:// : un mot de passe ne doit pas traverser un réseau en clair, et une page servie en HTTPS ne peut pas appeler du HTTP simple. Le http:// simple n’est permis que pour cette machine (localhost).</translation>
    </message>
    <message>
        <source>Give the account and its password in their own fields, not in the address.</source>
        <translation>Indiquez le compte et son mot de passe dans leurs propres champs, pas dans l’adresse.</translation>
    </message>
    <message>
        <source>This is not a server address (https://…).</source>
        <translation>Ce n’est pas une adresse de serveur (https://…).</translation>
    </message>
    <message>
        <source>A database name: small letters, digits and _$()+-/, starting with a letter.</source>
        <translation>Un nom de base de données : lettres minuscules, chiffres et _$()+-/, commençant par une lettre.</translation>
    </message>
    <message>
        <source>Give the account.</source>
        <translation>Indiquez le compte.</translation>
    </message>
    <message>
        <source>Give the account&apos;s password.</source>
        <translation>Indiquez le mot de passe du compte.</translation>
    </message>
    <message>
        <source>Sync stopped; the password is no longer kept on this device.</source>
        <translation>Synchronisation arrêtée ; le mot de passe n’est plus gardé sur cet appareil.</translation>
    </message>
    <message>
        <source>Connecting to the server…</source>
        <translation>Connexion au serveur…</translation>
    </message>
    <message>
        <source>The server refused this account or password. Nothing kept on this device is lost.</source>
        <translation>Le serveur a refusé ce compte ou ce mot de passe. Rien de ce qui est gardé sur cet appareil n’est perdu.</translation>
    </message>
    <message>
        <source>The database %1 does not exist on the server. Nothing kept on this device is lost.</source>
        <translation>La base de données %1 n’existe pas sur le serveur. Rien de ce qui est gardé sur cet appareil n’est perdu.</translation>
    </message>
    <message>
        <source>The account %2 may not read the database %1. Nothing kept on this device is lost.</source>
        <translation>Le compte %2 n’a pas le droit de lire la base de données %1. Rien de ce qui est gardé sur cet appareil n’est perdu.</translation>
    </message>
    <message>
        <source>The server does not answer: it may be stopped, or the address is wrong. Nothing kept on this device is lost; the page tries again every half minute.</source>
        <translation>Le serveur ne répond pas : il est peut-être arrêté, ou l’adresse est fausse. Rien de ce qui est gardé sur cet appareil n’est perdu ; la page réessaie toutes les trente secondes.</translation>
    </message>
    <message>
        <source>The server could not be used just now. Nothing kept on this device is lost; the page tries again every half minute.</source>
        <translation>Le serveur n’a pas pu être utilisé pour l’instant. Rien de ce qui est gardé sur cet appareil n’est perdu ; la page réessaie toutes les trente secondes.</translation>
    </message>
    <message>
        <source>The connection to the server dropped. The register keeps working on this device, and its changes go when the server answers again.</source>
        <translation>La connexion au serveur est coupée. Le registre continue de fonctionner sur cet appareil, et ses modifications partiront quand le serveur répondra de nouveau.</translation>
    </message>
    <message>
        <source>Syncing…</source>
        <translation>Synchronisation…</translation>
    </message>
    <message>
        <source>In step with the server.</source>
        <translation>À jour avec le serveur.</translation>
    </message>
    <message>
        <source>Not shared: the register is kept on this device only.</source>
        <translation>Pas de partage : le registre n’est gardé que sur cet appareil.</translation>
    </message>
    <message>
        <source>Give the account&apos;s password to sync during this visit.</source>
        <translation>Indiquez le mot de passe du compte pour synchroniser pendant cette visite.</translation>
    </message>
    <message>
        <source>A cellar file</source>
        <translation>Un fichier de cave</translation>
    </message>
    <message>
        <source>Above the legal limit.</source>
        <translation>Au-dessus de la limite légale.</translation>
    </message>
    <message>
        <source>Addition method</source>
        <translation>Mode d’ajout</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Dose</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>Australie</translation>
    </message>
    <message>
        <source>Binding factor</source>
        <translation>Facteur de combinaison</translation>
    </message>
    <message>
        <source>Calculate the questioned tanks too</source>
        <translation>Calculer aussi les cuves mises en question</translation>
    </message>
    <message>
        <source>Choose a file</source>
        <translation>Choisir un fichier</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Colonnes</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>Virgule</translation>
    </message>
    <message>
        <source>Decimal mark</source>
        <translation>Séparateur décimal</translation>
    </message>
    <message>
        <source>Download CSV</source>
        <translation>Télécharger le CSV</translation>
    </message>
    <message>
        <source>Drop a cellar file here (CSV or text, one tank a row), or choose one.</source>
        <translation>Déposez ici un fichier de cave (CSV ou texte, une cuve par ligne), ou choisissez-en un.</translation>
    </message>
    <message>
        <source>EU</source>
        <translation>UE</translation>
    </message>
    <message>
        <source>EU organic</source>
        <translation>UE bio</translation>
    </message>
    <message>
        <source>Found from the file</source>
        <translation>Déduit du fichier</translation>
    </message>
    <message>
        <source>Hectolitres</source>
        <translation>Hectolitres</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Legal limit</source>
        <translation>Limite légale</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Liqueur wine</source>
        <translation>Vin de liqueur</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>No legal limit chosen: the total is checked against none.</source>
        <translation>Aucune limite légale choisie&#xa0;: le total n’est comparé à aucune.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Not given</source>
        <translation>Non indiqué</translation>
    </message>
    <message>
        <source>OIV</source>
        <translation>OIV</translation>
    </message>
    <message>
        <source>Own limit</source>
        <translation>Limite propre</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>Projected total SO2</source>
        <translation>SO2 total prévu</translation>
    </message>
    <message>
        <source>Quality sparkling</source>
        <translation>Mousseux de qualité</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Restore system defaults</source>
        <translation>Rétablir les valeurs d’origine</translation>
    </message>
    <message>
        <source>Rosé</source>
        <translation>Rosé</translation>
    </message>
    <message>
        <source>SO2 added</source>
        <translation>SO2 ajouté</translation>
    </message>
    <message>
        <source>Save as my defaults</source>
        <translation>Enregistrer comme valeurs par défaut</translation>
    </message>
    <message>
        <source>Saved as your defaults.</source>
        <translation>Valeurs par défaut enregistrées.</translation>
    </message>
    <message>
        <source>Your defaults were not kept: this browser refuses to store anything for this page.</source>
        <translation>Vos valeurs par défaut n’ont pas été conservées&#xa0;: ce navigateur refuse de stocker quoi que ce soit pour cette page.</translation>
    </message>
    <message>
        <source>Sparkling</source>
        <translation>Mousseux</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Still</source>
        <translation>Tranquille</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Type de vin</translation>
    </message>
    <message>
        <source>Sugar</source>
        <translation>Sucre</translation>
    </message>
    <message>
        <source>Tank</source>
        <translation>Cuve</translation>
    </message>
    <message>
        <source>The first %1 rows; the CSV holds them all.</source>
        <translation>Les %1 premières lignes&#xa0;; le CSV les contient toutes.</translation>
    </message>
    <message>
        <source>The form gives what the file lacks: its sulphite form, method, solution strength and tablet weight, its unit when the file names none, and its target and target kind when the file has no target column. A target column needs its kind, from the file or named below. Each tank&apos;s pH, free SO2 and size must be in the file. The file never leaves this device.</source>
        <translation>Le formulaire fournit ce qui manque au fichier&#xa0;: la forme de sulfite, le mode d’ajout, le pourcentage de la solution mère et le poids d’un comprimé, l’unité quand le fichier n’en indique pas, et l’objectif avec son type quand le fichier n’a pas de colonne d’objectif. Une colonne d’objectif demande son type, donné par le fichier ou choisi ci-dessous. Le pH, le SO2 libre et le volume de chaque cuve doivent figurer dans le fichier. Le fichier ne quitte jamais cet appareil.</translation>
    </message>
    <message>
        <source>Total SO2</source>
        <translation>SO2 total</translation>
    </message>
    <message>
        <source>Total SO2 and its legal limit</source>
        <translation>SO2 total et sa limite légale</translation>
    </message>
    <message>
        <source>Total SO2 limit</source>
        <translation>Limite de SO2 total</translation>
    </message>
    <message>
        <source>US</source>
        <translation>États-Unis</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Your own limit, which wins over the legal one.</source>
        <translation>Votre propre limite, qui l’emporte sur la limite légale.</translation>
    </message>
    <message>
        <source>the form</source>
        <translation>le formulaire</translation>
    </message>
    <message>
        <source>Not calculated</source>
        <translation>Non calculé</translation>
    </message>
    <message>
        <source>Write a decimal with a point, as in 22.5.</source>
        <translation>Écrivez les décimales avec un point, comme dans 22.5.</translation>
    </message>
    <message>
        <source>Free SO2 target</source>
        <translation>SO2 libre visé</translation>
    </message>
    <message>
        <source>Molecular SO2 target</source>
        <translation>SO2 moléculaire visé</translation>
    </message>
    <message>
        <source>%1 is %2 MB, and the page takes files up to %3 MB: run korvane-calc --batch on it.</source>
        <translation>%1 fait %2 Mo, et la page accepte des fichiers jusqu’à %3 Mo : traitez-le avec korvane-calc --batch.</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>ok</translation>
    </message>
    <message>
        <source>no addition</source>
        <translation>aucun ajout</translation>
    </message>
    <message>
        <source>question</source>
        <translation>question</translation>
    </message>
    <message>
        <source>error</source>
        <translation>erreur</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>Free SO2</source>
        <translation>SO2 libre</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unité</translation>
    </message>
    <message>
        <source>Target kind</source>
        <translation>Type d’objectif</translation>
    </message>
    <message>
        <source>Rows: %1. ok: %2, no addition: %3, questions: %4, errors: %5, blank: %6.</source>
        <translation>Lignes : %1. ok : %2, aucun ajout : %3, questions : %4, erreurs : %5, vides : %6.</translation>
    </message>
    <message>
        <source>Not calculated, by line: %1.</source>
        <translation>Non calculées, par ligne : %1.</translation>
    </message>
    <message>
        <source>And %1 more.</source>
        <translation>Et %1 autres.</translation>
    </message>
    <message>
        <source>The file is not UTF-8: it was read as Windows-1252.</source>
        <translation>Le fichier n’est pas en UTF-8 : il a été lu en Windows-1252.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; could be %3 or %4: say which decimal mark the file uses.</source>
        <translation>%1 « %2 » peut valoir %3 ou %4 : indiquez le séparateur décimal du fichier.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; sets its thousands apart in groups that are not whole.</source>
        <translation>%1 « %2 » sépare ses milliers en groupes incomplets.</translation>
    </message>
    <message>
        <source>%1 has a target column but no target_kind column: add one, or choose the kind of the file&apos;s targets in the list below.</source>
        <translation>%1 a une colonne target mais pas de colonne target_kind : ajoutez-en une, ou choisissez le type des objectifs du fichier dans la liste ci-dessous.</translation>
    </message>
    <message>
        <source>Line %1 opens a quote that never closes. Close the quote, then run the batch again.</source>
        <translation>La ligne %1 ouvre des guillemets qui ne se ferment jamais. Fermez-les, puis relancez le traitement.</translation>
    </message>
    <message>
        <source>Line %1 opens a quote that never closes: the 1 line after it would be read as one field. Close the quote, then run the batch again.</source>
        <translation>La ligne %1 ouvre des guillemets qui ne se ferment jamais : la ligne qui suit serait lue comme un seul champ. Fermez-les, puis relancez le traitement.</translation>
    </message>
    <message>
        <source>Line %1 opens a quote that never closes: the %2 lines after it would be read as one field. Close the quote, then run the batch again.</source>
        <translation>La ligne %1 ouvre des guillemets qui ne se ferment jamais : les %2 lignes qui suivent seraient lues comme un seul champ. Fermez-les, puis relancez le traitement.</translation>
    </message>
    <message>
        <source>Line %1 holds a byte that is not UTF-8, though the file begins as UTF-8: save it as UTF-8 (or as Unicode text), then run the batch again.</source>
        <translation>La ligne %1 contient un octet qui n’est pas de l’UTF-8, alors que le fichier commence en UTF-8 : enregistrez-le en UTF-8 (ou en texte Unicode), puis relancez le traitement.</translation>
    </message>
    <message>
        <source>Line %1 writes %2 with the comma as its decimal mark, but line %3 writes %4 with the point: the file mixes decimal marks. Correct it, then run the batch again.</source>
        <translation>La ligne %1 écrit %2 avec la virgule comme séparateur décimal, mais la ligne %3 écrit %4 avec le point : le fichier mélange les séparateurs décimaux. Corrigez-le, puis relancez le traitement.</translation>
    </message>
    <message>
        <source>Line %1 writes %2 with the point as its decimal mark, but line %3 writes %4 with the comma: the file mixes decimal marks. Correct it, then run the batch again.</source>
        <translation>La ligne %1 écrit %2 avec le point comme séparateur décimal, mais la ligne %3 écrit %4 avec la virgule : le fichier mélange les séparateurs décimaux. Corrigez-le, puis relancez le traitement.</translation>
    </message>
    <message>
        <source>Kind of the file&apos;s targets</source>
        <translation>Type des objectifs du fichier</translation>
    </message>
    <message>
        <source>Not named</source>
        <translation>Non indiqué</translation>
    </message>
    <message>
        <source>Every row takes the form&apos;s unit: %1.</source>
        <translation>Chaque ligne prend l’unité du formulaire&#xa0;: %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could be thousands or a decimal: write it without the point, or with a decimal comma.</source>
        <translation>«&#xa0;%1&#xa0;» peut se lire en milliers ou en décimales&#xa0;: écrivez-le sans le point, ou avec une virgule décimale.</translation>
    </message>
    <message>
        <source>The register</source>
        <translation>Le registre</translation>
    </message>
    <message>
        <source>The device&apos;s storage is full: this record was not kept. Everything kept before is still there; free some space and save again.</source>
        <translation>La mémoire de l’appareil est pleine : cet enregistrement n’a pas été gardé. Tout ce qui était gardé avant est toujours là ; libérez de la place et enregistrez à nouveau.</translation>
    </message>
    <message>
        <source>The browser refuses to keep the register (private browsing, or storage turned off): nothing can be kept on this device.</source>
        <translation>Le navigateur refuse de garder le registre (navigation privée, ou stockage désactivé) : rien ne peut être gardé sur cet appareil.</translation>
    </message>
    <message>
        <source>This record was not kept.</source>
        <translation>Cet enregistrement n’a pas été gardé.</translation>
    </message>
    <message>
        <source>New tank</source>
        <translation>Nouvelle cuve</translation>
    </message>
    <message>
        <source>Show retired tanks</source>
        <translation>Montrer les cuves retirées</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>Figures</source>
        <translation>Valeurs</translation>
    </message>
    <message>
        <source>Who</source>
        <translation>Qui</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fait</translation>
    </message>
    <message>
        <source>Liqueur</source>
        <translation>De liqueur</translation>
    </message>
    <message>
        <source>Tank details</source>
        <translation>La cuve</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Regime</source>
        <translation>Réglementation</translation>
    </message>
    <message>
        <source>Own limit (mg/L)</source>
        <translation>Limite propre (mg/L)</translation>
    </message>
    <message>
        <source>Target (mg/L)</source>
        <translation>Objectif (mg/L)</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Retired</source>
        <translation>Retirée</translation>
    </message>
    <message>
        <source>Save the tank</source>
        <translation>Enregistrer la cuve</translation>
    </message>
    <message>
        <source>Analysis</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Date et heure</translation>
    </message>
    <message>
        <source>Free SO2 (mg/L)</source>
        <translation>SO2 libre (mg/L)</translation>
    </message>
    <message>
        <source>Total SO2 (mg/L, optional)</source>
        <translation>SO2 total (mg/L, facultatif)</translation>
    </message>
    <message>
        <source>Sugar (g/L, optional)</source>
        <translation>Sucre (g/L, facultatif)</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>Save the analysis and work out the dose</source>
        <translation>Enregistrer l’analyse et calculer la dose</translation>
    </message>
    <message>
        <source>Work order</source>
        <translation>Bon de travail</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Print the work order</source>
        <translation>Imprimer le bon de travail</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Produit</translation>
    </message>
    <message>
        <source>SO2 added (mg/L)</source>
        <translation>SO2 ajouté (mg/L)</translation>
    </message>
    <message>
        <source>Total SO2 after (mg/L)</source>
        <translation>SO2 total après (mg/L)</translation>
    </message>
    <message>
        <source>Initials</source>
        <translation>Initiales</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>Drop a cellar file here to add its tanks to the register, each with its row as an analysis.</source>
        <translation>Déposez ici un fichier de cave pour ajouter ses cuves au registre, chacune avec sa ligne comme analyse.</translation>
    </message>
    <message>
        <source>Take tanks from a cellar file</source>
        <translation>Prendre les cuves d’un fichier de cave</translation>
    </message>
    <message>
        <source>Export the tanks (cellar CSV)</source>
        <translation>Exporter les cuves (CSV de cave)</translation>
    </message>
    <message>
        <source>Export the additions (CSV)</source>
        <translation>Exporter les ajouts (CSV)</translation>
    </message>
    <message>
        <source>Back up the register</source>
        <translation>Sauvegarder le registre</translation>
    </message>
    <message>
        <source>Restore a backup</source>
        <translation>Restaurer une sauvegarde</translation>
    </message>
    <message>
        <source>Choose a tank</source>
        <translation>Choisir une cuve</translation>
    </message>
    <message>
        <source>No tank yet</source>
        <translation>Aucune cuve encore</translation>
    </message>
    <message>
        <source>retired</source>
        <translation>retirée</translation>
    </message>
    <message>
        <source>An addition of this tank was recorded as done twice (two devices, or one offline): both count in its total until one is withdrawn in the history below.</source>
        <translation>Un ajout de cette cuve a été noté fait deux fois (deux appareils, ou un hors ligne) : les deux comptent dans son total jusqu’à ce que l’un soit retiré dans l’historique ci-dessous.</translation>
    </message>
    <message>
        <source>This tank&apos;s details were changed on two devices: the ones shown won; check them and save.</source>
        <translation>Les données de cette cuve ont été changées sur deux appareils : celles affichées l’ont emporté ; vérifiez-les et enregistrez.</translation>
    </message>
    <message>
        <source>No analysis yet: enter the first one below.</source>
        <translation>Aucune analyse encore : saisissez la première ci-dessous.</translation>
    </message>
    <message>
        <source>Latest analysis</source>
        <translation>Dernière analyse</translation>
    </message>
    <message>
        <source>not measured</source>
        <translation>non mesuré</translation>
    </message>
    <message>
        <source>Total SO2 as last measured, with the additions since</source>
        <translation>SO2 total au dernier dosage, avec les ajouts depuis</translation>
    </message>
    <message>
        <source>limit</source>
        <translation>limite</translation>
    </message>
    <message>
        <source>over the limit</source>
        <translation>au-dessus de la limite</translation>
    </message>
    <message>
        <source>An addition is planned since the latest analysis: enter a new analysis to work out another.</source>
        <translation>Un ajout est prévu depuis la dernière analyse : saisissez une nouvelle analyse pour en calculer un autre.</translation>
    </message>
    <message>
        <source>No addition needed.</source>
        <translation>Aucun ajout nécessaire.</translation>
    </message>
    <message>
        <source>Dose</source>
        <translation>Dose</translation>
    </message>
    <message>
        <source>Plan this addition</source>
        <translation>Prévoir cet ajout</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Corriger</translation>
    </message>
    <message>
        <source>Withdraw</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Planned addition withdrawn.</source>
        <translation>Ajout prévu retiré.</translation>
    </message>
    <message>
        <source>An addition withdrawn on one device was recorded as done on another: it was made, so it counts in the total. Look at the history below before planning another.</source>
        <translation>Un ajout retiré sur un appareil a été noté fait sur un autre : il a été fait, il compte donc dans le total. Regardez l’historique ci-dessous avant d’en prévoir un autre.</translation>
    </message>
    <message>
        <source>An addition was planned on an analysis corrected since: it is left off the work order. Withdraw it in the history below, and plan again from the new dose.</source>
        <translation>Un ajout a été prévu sur une analyse corrigée depuis : il n’est pas sur le bon de travail. Retirez-le dans l’historique ci-dessous, et prévoyez à nouveau d’après la nouvelle dose.</translation>
    </message>
    <message>
        <source>The addition planned on the analysis it corrects was withdrawn: plan it again from the new dose.</source>
        <translation>L’ajout prévu sur l’analyse qu’elle corrige a été retiré : prévoyez-le à nouveau d’après la nouvelle dose.</translation>
    </message>
    <message>
        <source>Addition done</source>
        <translation>Ajout fait</translation>
    </message>
    <message>
        <source>Addition planned</source>
        <translation>Ajout prévu</translation>
    </message>
    <message>
        <source>SO2 of the tank over time: free, molecular, total and its limit, with the additions.</source>
        <translation>Le SO2 de la cuve au fil du temps : libre, moléculaire, total et sa limite, avec les ajouts.</translation>
    </message>
    <message>
        <source>Molecular SO2</source>
        <translation>SO2 moléculaire</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Limite</translation>
    </message>
    <message>
        <source>Additions</source>
        <translation>Ajouts</translation>
    </message>
    <message>
        <source>Not done</source>
        <translation>Pas fait</translation>
    </message>
    <message>
        <source>No addition planned for this day.</source>
        <translation>Aucun ajout prévu ce jour-là.</translation>
    </message>
    <message>
        <source>A tank needs a name.</source>
        <translation>Une cuve doit avoir un nom.</translation>
    </message>
    <message>
        <source>Another tank has this name.</source>
        <translation>Une autre cuve porte ce nom.</translation>
    </message>
    <message>
        <source>Tank saved.</source>
        <translation>Cuve enregistrée.</translation>
    </message>
    <message>
        <source>Save the tank first.</source>
        <translation>Enregistrez d’abord la cuve.</translation>
    </message>
    <message>
        <source>Give the date and time of the analysis.</source>
        <translation>Indiquez la date et l’heure de l’analyse.</translation>
    </message>
    <message>
        <source>Analysis saved.</source>
        <translation>Analyse enregistrée.</translation>
    </message>
    <message>
        <source>Correct the analysis and save it: the new one replaces it, and the old one is kept.</source>
        <translation>Corrigez l’analyse et enregistrez-la : la nouvelle la remplace, et l’ancienne est gardée.</translation>
    </message>
    <message>
        <source>Addition planned: it is on the work order.</source>
        <translation>Ajout prévu : il est sur le bon de travail.</translation>
    </message>
    <message>
        <source>Addition recorded as done.</source>
        <translation>Ajout noté comme fait.</translation>
    </message>
    <message>
        <source>Tanks taken from the file: %1.</source>
        <translation>Cuves prises du fichier : %1.</translation>
    </message>
    <message>
        <source>Rows not taken for an error: %1. The first is line %2: %3</source>
        <translation>Lignes non prises pour une erreur : %1. La première est la ligne %2 : %3</translation>
    </message>
    <message>
        <source>%1 has a target column but no target_kind column: add one to the file, with free or molecular on each row.</source>
        <translation>%1 a une colonne target mais pas de colonne target_kind : ajoutez-en une au fichier, avec free ou molecular sur chaque ligne.</translation>
    </message>
    <message>
        <source>A dose&apos;s questions are asked when its analysis is entered: correct the analysis and save it to answer them.</source>
        <translation>Les questions d’une dose sont posées quand son analyse est saisie : corrigez l’analyse et enregistrez-la pour y répondre.</translation>
    </message>
    <message>
        <source>Backup restored: %1 records.</source>
        <translation>Sauvegarde restaurée : %1 enregistrements.</translation>
    </message>
    <message>
        <source>This file is not a backup of the register.</source>
        <translation>Ce fichier n’est pas une sauvegarde du registre.</translation>
    </message>
    <message>
        <source>The register could not be opened: the tanks listed are those this device showed last, and nothing can be changed.</source>
        <translation>Le registre n’a pas pu être ouvert : les cuves affichées sont celles que cet appareil a montrées en dernier, et rien ne peut être modifié.</translation>
    </message>
    <message>
        <source>European Union</source>
        <translation>Union européenne</translation>
    </message>
    <message>
        <source>United States</source>
        <translation>États-Unis</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Solution</translation>
    </message>
    <message>
        <source>Tablet</source>
        <translation>Comprimé</translation>
    </message>
    <message>
        <source>Molecular</source>
        <translation>SO2 moléculaire</translation>
    </message>
    <message>
        <source>tablets</source>
        <translation>comprimés</translation>
    </message>
    <message>
        <source>teaspoons</source>
        <translation>cuillères à café</translation>
    </message>
    <message>
        <source>US gallons</source>
        <translation>gallons US</translation>
    </message>
    <message>
        <source>Imperial gallons</source>
        <translation>gallons impériaux</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculateur</translation>
    </message>
    <message>
        <source>Provided as is.</source>
        <translation>Fourni tel quel.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
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
        <translation>Paramètres par défaut</translation>
    </message>
    <message>
        <source>Close and save settings.</source>
        <translation>Fermer et enregistrer les paramètres.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Close without saving settings.</source>
        <translation>Fermer sans enregistrer les paramètres.</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Sulphite Data</source>
        <translation>Données du sulfitage</translation>
    </message>
    <message>
        <source>Default sulphite form.</source>
        <translation>Forme de sulfite par défaut.</translation>
    </message>
    <message>
        <source>Powder</source>
        <translation>Poudre</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Solution</translation>
    </message>
    <message>
        <source>Tablet</source>
        <translation>Comp.</translation>
    </message>
    <message>
        <source>Default solution %.</source>
        <translation>Pourcentage par défaut de la solution mère.</translation>
    </message>
    <message>
        <source>Increase or decrease solution percentage</source>
        <translation>Augmenter ou diminuer le pourcentage de la solution mère</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Default tablet weight.</source>
        <translation>Poids de comprimé par défaut.</translation>
    </message>
    <message>
        <source>Increase or decrease tablet weight</source>
        <translation>Augmenter ou diminuer le poids d’un comprimé</translation>
    </message>
    <message>
        <source>g</source>
        <translation>g</translation>
    </message>
    <message>
        <source>Batch Data</source>
        <translation>Données de la cuvée</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Vol.</translation>
    </message>
    <message>
        <source>Default batch size.</source>
        <translation>Volume de cuvée par défaut.</translation>
    </message>
    <message>
        <source>Increase or decrease batch size</source>
        <translation>Augmenter ou diminuer le volume de la cuvée</translation>
    </message>
    <message>
        <source>Default batch units.</source>
        <translation>Unité de volume par défaut.</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Objectif</translation>
    </message>
    <message>
        <source>Restore System Settings</source>
        <translation>Rétablir les paramètres d’origine</translation>
    </message>
    <message>
        <source>&amp;Restore System Defaults</source>
        <translation>&amp;Rétablir les valeurs d’origine</translation>
    </message>
</context>
<context>
    <name>frmSulfite</name>
    <message>
        <source>Sulphite Data</source>
        <translation>Données du sulfitage</translation>
    </message>
    <message>
        <source>Sulphite source</source>
        <translation>Source de sulfite</translation>
    </message>
    <message>
        <source>Powder</source>
        <translation>Poudre</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Solution</translation>
    </message>
    <message>
        <source>Tablet</source>
        <translation>Comp.</translation>
    </message>
    <message>
        <source>Percentage of metabisulphite</source>
        <translation>Pourcentage de métabisulfite</translation>
    </message>
    <message>
        <source>Solution percentage</source>
        <translation>Pourcentage de la solution mère</translation>
    </message>
    <message>
        <source>Increase or decrease solution percentage</source>
        <translation>Augmenter ou diminuer le pourcentage de la solution mère</translation>
    </message>
    <message>
        <source>Mass of 1 tablet</source>
        <translation>Masse d’un comprimé</translation>
    </message>
    <message>
        <source>Tablet weight</source>
        <translation>Poids d’un comprimé</translation>
    </message>
    <message>
        <source>Increase or decrease tablet weight</source>
        <translation>Augmenter ou diminuer le poids d’un comprimé</translation>
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
        <translation>Données de la cuvée</translation>
    </message>
    <message>
        <source>Batch size units.</source>
        <translation>Unité de volume de la cuvée.</translation>
    </message>
    <message>
        <source>Batch Size</source>
        <translation>Volume de la cuvée</translation>
    </message>
    <message>
        <source>Increase or decrease batch size</source>
        <translation>Augmenter ou diminuer le volume de la cuvée</translation>
    </message>
    <message>
        <source>Wine pH level.</source>
        <translation>pH du vin.</translation>
    </message>
    <message>
        <source>Increase or decrease pH</source>
        <translation>Augmenter ou diminuer le pH</translation>
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
        <translation>Objectif</translation>
    </message>
    <message>
        <source>Measured free SO2 level.</source>
        <translation>Teneur en SO2 libre mesurée.</translation>
    </message>
    <message>
        <source>Increase or decrease existing SO2</source>
        <translation>Augmenter ou diminuer le SO2 mesuré</translation>
    </message>
    <message>
        <source>Desired free SO2 target level.</source>
        <translation>Teneur visée en SO2 libre.</translation>
    </message>
    <message>
        <source>Increase or decrease target free SO2</source>
        <translation>Augmenter ou diminuer le SO2 libre visé</translation>
    </message>
    <message>
        <source>Desired molecular SO2 target level.</source>
        <translation>Teneur visée en SO2 moléculaire.</translation>
    </message>
    <message>
        <source>Target molecular SO2</source>
        <translation>SO2 moléculaire visé</translation>
    </message>
    <message>
        <source>Increase or decrease target molecular SO2</source>
        <translation>Augmenter ou diminuer le SO2 moléculaire visé</translation>
    </message>
    <message>
        <source>Calculated existing molecular SO2 level.</source>
        <translation>Teneur actuelle en SO2 moléculaire (calculée).</translation>
    </message>
    <message>
        <source>Incremental free SO2 required.</source>
        <translation>Apport de SO2 libre nécessaire.</translation>
    </message>
    <message>
        <source>Incremental molecular SO2 required.</source>
        <translation>Apport de SO2 moléculaire nécessaire.</translation>
    </message>
    <message>
        <source>Amount of sulphite required to achieve target SO2 level.</source>
        <translation>Quantité de sulfite nécessaire pour atteindre la teneur en SO2 visée.</translation>
    </message>
    <message>
        <source>Total Free  </source>
        <translation>SO2 libre</translation>
    </message>
    <message>
        <source>Molecular</source>
        <translation>SO2 mol.</translation>
    </message>
    <message>
        <source>(mg/L)</source>
        <translation>(mg/L)</translation>
    </message>
    <message>
        <source>Existing SO2</source>
        <translation>SO2 mesuré</translation>
    </message>
    <message>
        <source>Target SO2</source>
        <translation>SO2 visé</translation>
    </message>
    <message>
        <source>SO2 Requirement</source>
        <translation>SO2 à apporter</translation>
    </message>
    <message>
        <source>Required Addition </source>
        <translation>Dose à ajouter</translation>
    </message>
    <message>
        <source>Compute sulphite requirements.</source>
        <translation>Calculer la dose de sulfite nécessaire.</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>Program information</source>
        <translation>Informations sur le programme</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Select default settings</source>
        <translation>Choisir les paramètres par défaut</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>Pa&amp;ramètres</translation>
    </message>
    <message>
        <source>Close application</source>
        <translation>Quitter l’application</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
</context>
<context>
    <name>korvane</name>
    <message>
        <source>Limit %1 mg/L: %2</source>
        <translation>Limite %1 mg/L&#xa0;: %2</translation>
    </message>
    <message>
        <source>Potassium Metabisulphite</source>
        <translation>Métabisulfite de potassium</translation>
    </message>
    <message>
        <source>Sodium Metabisulphite</source>
        <translation>Métabisulfite de sodium</translation>
    </message>
    <message>
        <source>The limit must be a number of mg/L above 0 and up to 1000000.</source>
        <translation>La limite doit être un nombre de mg/L supérieur à 0, et au plus 1000000.</translation>
    </message>
    <message>
        <source>U.S. Gal.</source>
        <translation>gal US</translation>
    </message>
    <message>
        <source>Imp. Gal.</source>
        <translation>gal imp.</translation>
    </message>
    <message>
        <source>Litres</source>
        <translation>Litres</translation>
    </message>
    <message>
        <source>Imp. gal.</source>
        <translation>gal imp.</translation>
    </message>
    <message>
        <source>Total Free SO2</source>
        <translation>SO2 libre</translation>
    </message>
    <message>
        <source>Molecular SO2</source>
        <translation>SO2 moléculaire</translation>
    </message>
    <message>
        <source>tablets</source>
        <translation>comp.</translation>
    </message>
    <message>
        <source>g</source>
        <translation>g</translation>
    </message>
    <message>
        <source>tsp</source>
        <translation>càc</translation>
    </message>
    <message>
        <source>ml</source>
        <translation>ml</translation>
    </message>
    <message>
        <source>Please enter solution percentage.</source>
        <translation>Veuillez saisir le pourcentage de la solution mère.</translation>
    </message>
    <message>
        <source>Solution percentage must be numeric.</source>
        <translation>Le pourcentage de la solution mère doit être une valeur numérique.</translation>
    </message>
    <message>
        <source>Solution % must be between 0 and 100.</source>
        <translation>Le pourcentage de la solution mère doit être compris entre 0 et 100.</translation>
    </message>
    <message>
        <source>Please enter tablet weight.</source>
        <translation>Veuillez saisir le poids d’un comprimé.</translation>
    </message>
    <message>
        <source>Tablet weight must be numeric.</source>
        <translation>Le poids d’un comprimé doit être une valeur numérique.</translation>
    </message>
    <message>
        <source>Tablet weight cannot be less than 0.</source>
        <translation>Le poids d’un comprimé ne peut pas être inférieur à 0.</translation>
    </message>
    <message>
        <source>Please enter batch size.</source>
        <translation>Veuillez saisir le volume de la cuvée.</translation>
    </message>
    <message>
        <source>Batch size must be numeric.</source>
        <translation>Le volume de la cuvée doit être une valeur numérique.</translation>
    </message>
    <message>
        <source>Batch size must be greater than 0.</source>
        <translation>Le volume de la cuvée doit être supérieur à 0.</translation>
    </message>
    <message>
        <source>Please enter pH.</source>
        <translation>Veuillez saisir le pH.</translation>
    </message>
    <message>
        <source>pH must be numeric.</source>
        <translation>Le pH doit être une valeur numérique.</translation>
    </message>
    <message>
        <source>pH must be between 1 and 14.</source>
        <translation>Le pH doit être compris entre 1 et 14.</translation>
    </message>
    <message>
        <source>Please enter existing SO2.</source>
        <translation>Veuillez saisir le SO2 mesuré.</translation>
    </message>
    <message>
        <source>Existing SO2 must be numeric.</source>
        <translation>Le SO2 mesuré doit être une valeur numérique.</translation>
    </message>
    <message>
        <source>Please enter target SO2.</source>
        <translation>Veuillez saisir le SO2 visé.</translation>
    </message>
    <message>
        <source>Target SO2 must be numeric.</source>
        <translation>Le SO2 visé doit être une valeur numérique.</translation>
    </message>
    <message>
        <source>Existing SO2 cannot be greater than target SO2.</source>
        <translation>Le SO2 mesuré ne peut pas être supérieur au SO2 visé.</translation>
    </message>
    <message>
        <source>Tablet weight appears high. Are you sure it is correct?</source>
        <translation>Le poids d’un comprimé semble élevé. Confirmez-vous cette valeur&#xa0;?</translation>
    </message>
    <message>
        <source>Solution percentage appears high. Are you sure it is correct?</source>
        <translation>Le pourcentage de la solution mère semble élevé. Confirmez-vous cette valeur&#xa0;?</translation>
    </message>
    <message>
        <source>pH appears low. Are you sure it is correct?</source>
        <translation>Le pH semble bas. Confirmez-vous cette valeur&#xa0;?</translation>
    </message>
    <message>
        <source>pH appears high. Are you sure it is correct?</source>
        <translation>Le pH semble élevé. Confirmez-vous cette valeur&#xa0;?</translation>
    </message>
    <message>
        <source>User default settings not found.<byte value="xd"/>Loading system defaults.</source>
        <translation>Paramètres par défaut de l’utilisateur introuvables.<byte value="xd"/>Chargement des valeurs d’origine.</translation>
    </message>
    <message>
        <source>Error setting user defaults.<byte value="xd"/>Using system defaults.</source>
        <translation>Erreur lors de l’application des paramètres par défaut de l’utilisateur.<byte value="xd"/>Utilisation des valeurs d’origine.</translation>
    </message>
    <message>
        <source>%1 already running.</source>
        <translation>%1 est déjà en cours d’exécution.</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 est en lecture seule</translation>
    </message>
    <message>
        <source>No user folder for settings.cfg: HOME is not set to a full path</source>
        <translation>Aucun dossier utilisateur pour settings.cfg : HOME n’est pas défini par un chemin complet</translation>
    </message>
    <message>
        <source>Please select a sulphite form.</source>
        <translation>Veuillez choisir une forme de sulfite.</translation>
    </message>
    <message>
        <source>Solution percentage must be greater than 0.</source>
        <translation>Le pourcentage de la solution mère doit être supérieur à 0.</translation>
    </message>
    <message>
        <source>Tablet weight must be greater than 0.</source>
        <translation>Le poids d’un comprimé doit être supérieur à 0.</translation>
    </message>
    <message>
        <source>Existing SO2 cannot be less than 0.</source>
        <translation>Le SO2 mesuré ne peut pas être inférieur à 0.</translation>
    </message>
    <message>
        <source>Target SO2 cannot be less than 0.</source>
        <translation>Le SO2 visé ne peut pas être inférieur à 0.</translation>
    </message>
    <message>
        <source>Free SO2 target appears high. Are you sure it is correct?</source>
        <translation>Le SO2 libre visé semble élevé. Confirmez-vous cette valeur&#xa0;?</translation>
    </message>
    <message>
        <source>Molecular SO2 target appears high. Are you sure it is correct?</source>
        <translation>Le SO2 moléculaire visé semble élevé. Confirmez-vous cette valeur&#xa0;?</translation>
    </message>
    <message>
        <source>Batch size is too large to calculate.</source>
        <translation>Le volume de la cuvée est trop grand pour être calculé.</translation>
    </message>
    <message>
        <source>Target SO2 is too large to calculate.</source>
        <translation>Le SO2 visé est trop grand pour être calculé.</translation>
    </message>
    <message>
        <source>Solution percentage is too small to calculate.</source>
        <translation>Le pourcentage de la solution mère est trop petit pour être calculé.</translation>
    </message>
    <message>
        <source>Tablet weight is too small to calculate.</source>
        <translation>Le poids d’un comprimé est trop petit pour être calculé.</translation>
    </message>
    <message>
        <source>No addition needed: the wine is at or above its target.</source>
        <translation>Aucun ajout nécessaire&#xa0;: le vin a atteint ou dépassé le SO2 visé.</translation>
    </message>
    <message>
        <source>Tablet weight appears low. Are you sure it is correct?</source>
        <translation>Le poids d’un comprimé semble faible. Confirmez-vous cette valeur&#xa0;?</translation>
    </message>
    <message>
        <source>Solution percentage appears low. Are you sure it is correct?</source>
        <translation>Le pourcentage de la solution mère semble faible. Confirmez-vous cette valeur&#xa0;?</translation>
    </message>
    <message>
        <source>pKa appears low. Are you sure it is correct?</source>
        <translation>Le pKa semble bas. Confirmez-vous cette valeur&#xa0;?</translation>
    </message>
    <message>
        <source>pKa appears high. Are you sure it is correct?</source>
        <translation>Le pKa semble élevé. Confirmez-vous cette valeur&#xa0;?</translation>
    </message>
    <message>
        <source>Existing SO2 appears low. Are you sure it is correct?</source>
        <translation>Le SO2 mesuré semble bas. Confirmez-vous cette valeur&#xa0;?</translation>
    </message>
    <message>
        <source>Existing SO2 appears high. Are you sure it is correct?</source>
        <translation>Le SO2 mesuré semble élevé. Confirmez-vous cette valeur&#xa0;?</translation>
    </message>
    <message>
        <source>Batch size appears large. Are you sure it is correct?</source>
        <translation>Le volume de la cuvée semble très grand. Confirmez-vous cette valeur&#xa0;?</translation>
    </message>
    <message>
        <source>Free SO2 target appears low. Are you sure it is correct?</source>
        <translation>Le SO2 libre visé semble bas. Confirmez-vous cette valeur&#xa0;?</translation>
    </message>
    <message>
        <source>Molecular SO2 target appears low. Are you sure it is correct?</source>
        <translation>Le SO2 moléculaire visé semble bas. Confirmez-vous cette valeur&#xa0;?</translation>
    </message>
    <message>
        <source>The amount, %1 ml, is more than any cellar could add: check the batch size, the target and the solution percentage.</source>
        <translation>La quantité, %1&#xa0;ml, dépasse ce qu’une cave peut ajouter&#xa0;: vérifiez le volume de la cuvée, le SO2 visé et le pourcentage de la solution mère.</translation>
    </message>
    <message>
        <source>The amount, %1 tablets, is more than any cellar could add: check the batch size, the target and the tablet weight.</source>
        <translation>La quantité, %1&#xa0;comprimés, dépasse ce qu’une cave peut ajouter&#xa0;: vérifiez le volume de la cuvée, le SO2 visé et le poids d’un comprimé.</translation>
    </message>
    <message>
        <source>The amount, %1 g, is more than any cellar could add: check the batch size and the target.</source>
        <translation>La quantité, %1&#xa0;g, dépasse ce qu’une cave peut ajouter&#xa0;: vérifiez le volume de la cuvée et le SO2 visé.</translation>
    </message>
    <message>
        <source>The amount is less than 0.01 g, too little to weigh: check the batch size, or use a stock solution.</source>
        <translation>La quantité est inférieure à 0,01&#xa0;g, trop peu pour être pesée&#xa0;: vérifiez le volume de la cuvée, ou utilisez une solution.</translation>
    </message>
    <message>
        <source>The amount is less than 0.01 ml, too little to measure: check the batch size, or use a weaker solution.</source>
        <translation>La quantité est inférieure à 0,01&#xa0;ml, trop peu pour être mesurée&#xa0;: vérifiez le volume de la cuvée, ou utilisez une solution moins concentrée.</translation>
    </message>
    <message>
        <source>The amount is less than 0.01 tablets, too little to add: check the batch size and the tablet weight.</source>
        <translation>La quantité est inférieure à 0,01&#xa0;comprimé, trop peu pour être ajoutée&#xa0;: vérifiez le volume de la cuvée et le poids d’un comprimé.</translation>
    </message>
    <message>
        <source>Total SO2 would reach %1 mg/L, above the %2 mg/L %3 limit for %4. Are you sure it is correct?</source>
        <translation>Le SO2 total atteindrait %1 mg/L, au-dessus de la limite de %2 mg/L (%3) pour %4. Confirmez-vous cette valeur&#xa0;?</translation>
    </message>
    <message>
        <source>Total SO2 would reach %1 mg/L, above the %2 mg/L limit given. Are you sure it is correct?</source>
        <translation>Le SO2 total atteindrait %1 mg/L, au-dessus de la limite donnée de %2 mg/L. Confirmez-vous cette valeur&#xa0;?</translation>
    </message>
    <message>
        <source>%1 limit for %2</source>
        <translation>limite (%1) pour %2</translation>
    </message>
    <message>
        <source>limit given with --limit</source>
        <translation>limite donnée par --limit</translation>
    </message>
    <message>
        <source>colour not given: took red&apos;s limit</source>
        <translation>couleur non donnée&#xa0;: limite du rouge retenue</translation>
    </message>
    <message>
        <source>style not given: took still wine&apos;s limit</source>
        <translation>style non donné&#xa0;: limite du vin tranquille retenue</translation>
    </message>
    <message>
        <source>sugar not given: took the stricter limit</source>
        <translation>sucre non donné&#xa0;: limite la plus stricte retenue</translation>
    </message>
    <message>
        <source>quality sparkling wine</source>
        <translation>vin mousseux de qualité</translation>
    </message>
    <message>
        <source>sparkling wine</source>
        <translation>vin mousseux</translation>
    </message>
    <message>
        <source>liqueur wine</source>
        <translation>vin de liqueur</translation>
    </message>
    <message>
        <source>white</source>
        <translation>blanc</translation>
    </message>
    <message>
        <source>rosé</source>
        <translation>rosé</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rouge</translation>
    </message>
    <message>
        <source>a %1</source>
        <translation>un %1</translation>
    </message>
    <message>
        <source>a %1 with %2 to under %3 g/L of sugar</source>
        <translation>un %1 de %2 à moins de %3 g/L de sucre</translation>
    </message>
    <message>
        <source>a dry %1</source>
        <translation>un %1 sec</translation>
    </message>
    <message>
        <source>a %1 with %2 g/L of sugar or more</source>
        <translation>un %1 de %2 g/L de sucre ou plus</translation>
    </message>
    <message>
        <source>a %1 with %2 g/L of sugar or less</source>
        <translation>un %1 de %2 g/L de sucre ou moins</translation>
    </message>
    <message>
        <source>a %1 with more than %2 g/L of sugar</source>
        <translation>un %1 de plus de %2 g/L de sucre</translation>
    </message>
    <message>
        <source>EU organic</source>
        <translation>UE bio</translation>
    </message>
    <message>
        <source>US</source>
        <translation>États-Unis</translation>
    </message>
    <message>
        <source>Australian</source>
        <translation>Australie</translation>
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
        <translation>Le facteur de combinaison doit être un nombre.</translation>
    </message>
    <message>
        <source>Binding factor cannot be less than 1.</source>
        <translation>Le facteur de combinaison ne peut pas être inférieur à 1.</translation>
    </message>
    <message>
        <source>Total SO2 must be numeric.</source>
        <translation>Le SO2 total doit être un nombre.</translation>
    </message>
    <message>
        <source>Total SO2 cannot be less than free SO2.</source>
        <translation>Le SO2 total ne peut pas être inférieur au SO2 libre.</translation>
    </message>
    <message>
        <source>Sugar must be numeric.</source>
        <translation>Le sucre doit être un nombre.</translation>
    </message>
    <message>
        <source>Sugar cannot be less than 0.</source>
        <translation>Le sucre ne peut pas être inférieur à 0.</translation>
    </message>
    <message>
        <source>Binding factor appears high. Are you sure it is correct?</source>
        <translation>Le facteur de combinaison semble élevé. Confirmez-vous cette valeur&#xa0;?</translation>
    </message>
    <message>
        <source>Total SO2 appears low. Are you sure it is correct?</source>
        <translation>Le SO2 total semble bas. Confirmez-vous cette valeur&#xa0;?</translation>
    </message>
</context>
</TS>
