<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt">
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
        <translation>Calculadora de SO2</translation>
    </message>
    <message>
        <source>Work out how much sulphite a wine needs</source>
        <extracomment>Comment: the tooltip of the menu entry; the line under the name in a software centre</extracomment>
        <translation>Calcular de quanto sulfito um vinho precisa</translation>
    </message>
    <message>
        <source>sulphite;sulfite;SO2;wine;metabisulphite;metabisulfite;winemaking;calculator;</source>
        <extracomment>Keywords: words a menu search finds it by, each followed by a semicolon</extracomment>
        <translation>sulfito;SO2;vinho;metabissulfito;sulfitagem;vinificação;enologia;calculadora;</translation>
    </message>
    <message>
        <source>Korvane is an SO2 (sulphite) calculator for winemakers. Enter the wine&apos;s pH, the free SO2 you measured, the batch size and the level you want to reach, given as free SO2 or as molecular SO2, and Korvane computes:</source>
        <extracomment>a paragraph of the description in a software centre</extracomment>
        <translation>O Korvane é uma calculadora de SO2 (sulfito) para enólogos. Indique o pH do vinho, o SO2 livre medido, o volume do lote e o nível que pretende atingir, como SO2 livre ou como SO2 molecular, e o Korvane calcula:</translation>
    </message>
    <message>
        <source>the molecular SO2 the wine holds now, and the target in the other kind</source>
        <extracomment>an item of a list in the description in a software centre</extracomment>
        <translation>o SO2 molecular que o vinho contém agora, e o objetivo expresso na outra forma</translation>
    </message>
    <message>
        <source>how much free and molecular SO2 must be added, in mg/L</source>
        <extracomment>an item of a list in the description in a software centre</extracomment>
        <translation>quanto SO2 livre e molecular é preciso adicionar, em mg/L</translation>
    </message>
    <message>
        <source>how much potassium or sodium metabisulphite delivers it: as a number of tablets, as grams and teaspoons of powder, or as millilitres and teaspoons of a stock solution of the strength you use</source>
        <extracomment>an item of a list in the description in a software centre</extracomment>
        <translation>quanto metabissulfito de potássio ou de sódio o fornece: em número de comprimidos, em gramas e colheres de chá de pó, ou em mililitros e colheres de chá de uma solução-mãe da concentração que utiliza</translation>
    </message>
    <message>
        <source>Entries that cannot be right are refused, and unusual ones are questioned before anything is computed. The command korvane-calc does the same work from a terminal or a script.</source>
        <extracomment>a paragraph of the description in a software centre</extracomment>
        <translation>Os valores impossíveis são recusados, e os invulgares são confirmados com uma pergunta antes de qualquer cálculo. O comando korvane-calc faz o mesmo trabalho a partir de um terminal ou de um script.</translation>
    </message>
</context>
<context>
    <name>Web</name>
    <message>
        <source>This tank&apos;s details were changed on two devices while apart: the version edited last is shown. Look at the others below and keep the right one.</source>
        <translation>Os dados desta cuba foram alterados em dois dispositivos separados: é mostrada a versão editada por último. Veja as outras abaixo e mantenha a correta.</translation>
    </message>
    <message>
        <source>Edited %1</source>
        <translation>Editada em %1</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>mostrada</translation>
    </message>
    <message>
        <source>Keep this version</source>
        <translation>Manter esta versão</translation>
    </message>
    <message>
        <source>The version kept is now this tank&apos;s details on every device; the others stay in its history.</source>
        <translation>A versão mantida passa a ser a desta cuba em todos os dispositivos; as outras ficam no seu histórico.</translation>
    </message>
    <message>
        <source>The volume or target of this tank differs between its versions: this dose is worked out on the one edited last.</source>
        <translation>O volume ou o objetivo desta cuba difere entre as suas versões: esta dose é calculada sobre a editada por último.</translation>
    </message>
    <message>
        <source>The volume or target of this tank differs between two devices, so this dose may be wrong. Plan it anyway? Keeping the right version of the tank ends this question.</source>
        <translation>O volume ou o objetivo desta cuba difere entre dois dispositivos: esta dose pode estar errada. Planeá-la mesmo assim? Manter a versão correta da cuba põe fim a esta pergunta.</translation>
    </message>
    <message>
        <source>Sharing between devices</source>
        <translation>Partilha entre dispositivos</translation>
    </message>
    <message>
        <source>Last synced: %1.</source>
        <translation>Última sincronização: %1.</translation>
    </message>
    <message>
        <source>Not synced yet.</source>
        <translation>Ainda não sincronizado.</translation>
    </message>
    <message>
        <source>Changes waiting to go: %1.</source>
        <translation>Alterações à espera de envio: %1.</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Endereço do servidor</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>Base de dados</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Conta</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Palavra-passe</translation>
    </message>
    <message>
        <source>Remember the password on this device</source>
        <translation>Lembrar a palavra-passe neste dispositivo</translation>
    </message>
    <message>
        <source>Without it, the page asks for the password once per visit.</source>
        <translation>Caso contrário, a página pede a palavra-passe uma vez por visita.</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Sincronizar</translation>
    </message>
    <message>
        <source>Stop syncing and forget the password</source>
        <translation>Parar a sincronização e esquecer a palavra-passe</translation>
    </message>
    <message>
        <source>Only https:// addresses: a password must not cross a network in clear, and a page served over HTTPS may not call plain HTTP. Plain http:// is for this machine only (localhost).</source>
        <translation>Só endereços https://: uma palavra-passe não deve atravessar uma rede às claras, e uma página servida por HTTPS não pode chamar HTTP simples. O http:// simples é só para esta máquina (localhost).</translation>
    </message>
    <message>
        <source>Give the account and its password in their own fields, not in the address.</source>
        <translation>Indique a conta e a palavra-passe nos seus próprios campos, não no endereço.</translation>
    </message>
    <message>
        <source>This is not a server address (https://…).</source>
        <translation>Isto não é um endereço de servidor (https://…).</translation>
    </message>
    <message>
        <source>A database name: small letters, digits and _$()+-/, starting with a letter.</source>
        <translation>Um nome de base de dados: letras minúsculas, algarismos e _$()+-/, começando por uma letra.</translation>
    </message>
    <message>
        <source>Give the account.</source>
        <translation>Indique a conta.</translation>
    </message>
    <message>
        <source>Give the account&apos;s password.</source>
        <translation>Indique a palavra-passe da conta.</translation>
    </message>
    <message>
        <source>Sync stopped; the password is no longer kept on this device.</source>
        <translation>Sincronização parada; a palavra-passe já não fica guardada neste dispositivo.</translation>
    </message>
    <message>
        <source>Connecting to the server…</source>
        <translation>A ligar ao servidor…</translation>
    </message>
    <message>
        <source>The server refused this account or password. Nothing kept on this device is lost.</source>
        <translation>O servidor recusou esta conta ou palavra-passe. Nada do que está guardado neste dispositivo se perde.</translation>
    </message>
    <message>
        <source>The database %1 does not exist on the server. Nothing kept on this device is lost.</source>
        <translation>A base de dados %1 não existe no servidor. Nada do que está guardado neste dispositivo se perde.</translation>
    </message>
    <message>
        <source>The account %2 may not read the database %1. Nothing kept on this device is lost.</source>
        <translation>A conta %2 não pode ler a base de dados %1. Nada do que está guardado neste dispositivo se perde.</translation>
    </message>
    <message>
        <source>The server does not answer: it may be stopped, or the address is wrong. Nothing kept on this device is lost; the page tries again every half minute.</source>
        <translation>O servidor não responde: pode estar parado, ou o endereço está errado. Nada do que está guardado neste dispositivo se perde; a página tenta de novo a cada meio minuto.</translation>
    </message>
    <message>
        <source>The server could not be used just now. Nothing kept on this device is lost; the page tries again every half minute.</source>
        <translation>Não foi possível usar o servidor agora. Nada do que está guardado neste dispositivo se perde; a página tenta de novo a cada meio minuto.</translation>
    </message>
    <message>
        <source>The connection to the server dropped. The register keeps working on this device, and its changes go when the server answers again.</source>
        <translation>A ligação ao servidor caiu. O registo continua a funcionar neste dispositivo, e as suas alterações seguem quando o servidor voltar a responder.</translation>
    </message>
    <message>
        <source>Syncing…</source>
        <translation>A sincronizar…</translation>
    </message>
    <message>
        <source>In step with the server.</source>
        <translation>Em dia com o servidor.</translation>
    </message>
    <message>
        <source>Not shared: the register is kept on this device only.</source>
        <translation>Sem partilha: o registo só fica guardado neste dispositivo.</translation>
    </message>
    <message>
        <source>Give the account&apos;s password to sync during this visit.</source>
        <translation>Indique a palavra-passe da conta para sincronizar durante esta visita.</translation>
    </message>
    <message>
        <source>A cellar file</source>
        <translation>Um ficheiro de adega</translation>
    </message>
    <message>
        <source>Above the legal limit.</source>
        <translation>Acima do limite legal.</translation>
    </message>
    <message>
        <source>Addition method</source>
        <translation>Forma de adição</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Dose</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>Austrália</translation>
    </message>
    <message>
        <source>Binding factor</source>
        <translation>Fator de combinação</translation>
    </message>
    <message>
        <source>Calculate the questioned tanks too</source>
        <translation>Calcular também as cubas postas em causa</translation>
    </message>
    <message>
        <source>Choose a file</source>
        <translation>Escolher um ficheiro</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Cor</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Colunas</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>Vírgula</translation>
    </message>
    <message>
        <source>Decimal mark</source>
        <translation>Separador decimal</translation>
    </message>
    <message>
        <source>Download CSV</source>
        <translation>Transferir o CSV</translation>
    </message>
    <message>
        <source>Drop a cellar file here (CSV or text, one tank a row), or choose one.</source>
        <translation>Largue aqui um ficheiro de adega (CSV ou texto, uma cuba por linha), ou escolha um.</translation>
    </message>
    <message>
        <source>EU</source>
        <translation>UE</translation>
    </message>
    <message>
        <source>EU organic</source>
        <translation>UE biológico</translation>
    </message>
    <message>
        <source>Found from the file</source>
        <translation>Deduzido do ficheiro</translation>
    </message>
    <message>
        <source>Hectolitres</source>
        <translation>Hectolitros</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Legal limit</source>
        <translation>Limite legal</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linha</translation>
    </message>
    <message>
        <source>Liqueur wine</source>
        <translation>Vinho licoroso</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensagem</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>No legal limit chosen: the total is checked against none.</source>
        <translation>Nenhum limite legal escolhido: o total não é comparado com nenhum.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>Not given</source>
        <translation>Não indicado</translation>
    </message>
    <message>
        <source>OIV</source>
        <translation>OIV</translation>
    </message>
    <message>
        <source>Own limit</source>
        <translation>Limite próprio</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Ponto</translation>
    </message>
    <message>
        <source>Projected total SO2</source>
        <translation>SO2 total previsto</translation>
    </message>
    <message>
        <source>Quality sparkling</source>
        <translation>Espumante de qualidade</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Tinto</translation>
    </message>
    <message>
        <source>Restore system defaults</source>
        <translation>Repor predefinições do sistema</translation>
    </message>
    <message>
        <source>Rosé</source>
        <translation>Rosé</translation>
    </message>
    <message>
        <source>SO2 added</source>
        <translation>SO2 adicionado</translation>
    </message>
    <message>
        <source>Save as my defaults</source>
        <translation>Guardar como predefinições</translation>
    </message>
    <message>
        <source>Saved as your defaults.</source>
        <translation>Predefinições guardadas.</translation>
    </message>
    <message>
        <source>Your defaults were not kept: this browser refuses to store anything for this page.</source>
        <translation>Os seus valores predefinidos não foram guardados: este navegador recusa-se a armazenar o que quer que seja para esta página.</translation>
    </message>
    <message>
        <source>Sparkling</source>
        <translation>Espumante</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Still</source>
        <translation>Tranquilo</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Tipo de vinho</translation>
    </message>
    <message>
        <source>Sugar</source>
        <translation>Açúcar</translation>
    </message>
    <message>
        <source>Tank</source>
        <translation>Cuba</translation>
    </message>
    <message>
        <source>The first %1 rows; the CSV holds them all.</source>
        <translation>As primeiras %1 linhas; o CSV contém todas.</translation>
    </message>
    <message>
        <source>The form gives what the file lacks: its sulphite form, method, solution strength and tablet weight, its unit when the file names none, and its target and target kind when the file has no target column. A target column needs its kind, from the file or named below. Each tank&apos;s pH, free SO2 and size must be in the file. The file never leaves this device.</source>
        <translation>O formulário fornece o que falta ao ficheiro: a forma de sulfito, a forma de adição, a percentagem da solução, o peso do comprimido, a unidade quando o ficheiro não indica nenhuma, e o objetivo com o seu tipo quando o ficheiro não tem coluna de objetivo. Uma coluna de objetivo precisa do seu tipo, do ficheiro ou escolhido abaixo. O pH, o SO2 livre e o volume de cada cuba têm de estar no ficheiro. O ficheiro nunca sai deste dispositivo.</translation>
    </message>
    <message>
        <source>Total SO2</source>
        <translation>SO2 total</translation>
    </message>
    <message>
        <source>Total SO2 and its legal limit</source>
        <translation>SO2 total e o seu limite legal</translation>
    </message>
    <message>
        <source>Total SO2 limit</source>
        <translation>Limite de SO2 total</translation>
    </message>
    <message>
        <source>US</source>
        <translation>Estados Unidos</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Branco</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>Your own limit, which wins over the legal one.</source>
        <translation>O seu próprio limite, que prevalece sobre o legal.</translation>
    </message>
    <message>
        <source>the form</source>
        <translation>o formulário</translation>
    </message>
    <message>
        <source>Not calculated</source>
        <translation>Não calculado</translation>
    </message>
    <message>
        <source>Write a decimal with a point, as in 22.5.</source>
        <translation>Escreva as casas decimais com ponto, como em 22.5.</translation>
    </message>
    <message>
        <source>Free SO2 target</source>
        <translation>SO2 livre alvo</translation>
    </message>
    <message>
        <source>Molecular SO2 target</source>
        <translation>SO2 molecular alvo</translation>
    </message>
    <message>
        <source>%1 is %2 MB, and the page takes files up to %3 MB: run korvane-calc --batch on it.</source>
        <translation>%1 tem %2 MB, e a página aceita ficheiros até %3 MB: processe-o com korvane-calc --batch.</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>ok</translation>
    </message>
    <message>
        <source>no addition</source>
        <translation>sem adição</translation>
    </message>
    <message>
        <source>question</source>
        <translation>pergunta</translation>
    </message>
    <message>
        <source>error</source>
        <translation>erro</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>vazia</translation>
    </message>
    <message>
        <source>Free SO2</source>
        <translation>SO2 livre</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unidade</translation>
    </message>
    <message>
        <source>Target kind</source>
        <translation>Tipo de alvo</translation>
    </message>
    <message>
        <source>Rows: %1. ok: %2, no addition: %3, questions: %4, errors: %5, blank: %6.</source>
        <translation>Linhas: %1. ok: %2, sem adição: %3, perguntas: %4, erros: %5, vazias: %6.</translation>
    </message>
    <message>
        <source>Not calculated, by line: %1.</source>
        <translation>Não calculadas, por linha: %1.</translation>
    </message>
    <message>
        <source>And %1 more.</source>
        <translation>E mais %1.</translation>
    </message>
    <message>
        <source>The file is not UTF-8: it was read as Windows-1252.</source>
        <translation>O ficheiro não é UTF-8: foi lido como Windows-1252.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; could be %3 or %4: say which decimal mark the file uses.</source>
        <translation>%1 &quot;%2&quot; pode ser %3 ou %4: indique o separador decimal do ficheiro.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; sets its thousands apart in groups that are not whole.</source>
        <translation>%1 &quot;%2&quot; separa os milhares em grupos incompletos.</translation>
    </message>
    <message>
        <source>%1 has a target column but no target_kind column: add one, or choose the kind of the file&apos;s targets in the list below.</source>
        <translation>%1 tem uma coluna target mas nenhuma coluna target_kind: acrescente uma, ou escolha o tipo dos alvos do ficheiro na lista abaixo.</translation>
    </message>
    <message>
        <source>Line %1 opens a quote that never closes. Close the quote, then run the batch again.</source>
        <translation>A linha %1 abre aspas que nunca se fecham. Feche-as e volte a processar o ficheiro.</translation>
    </message>
    <message>
        <source>Line %1 opens a quote that never closes: the 1 line after it would be read as one field. Close the quote, then run the batch again.</source>
        <translation>A linha %1 abre aspas que nunca se fecham: a linha seguinte seria lida como um só campo. Feche-as e volte a processar o ficheiro.</translation>
    </message>
    <message>
        <source>Line %1 opens a quote that never closes: the %2 lines after it would be read as one field. Close the quote, then run the batch again.</source>
        <translation>A linha %1 abre aspas que nunca se fecham: as %2 linhas seguintes seriam lidas como um só campo. Feche-as e volte a processar o ficheiro.</translation>
    </message>
    <message>
        <source>Line %1 holds a byte that is not UTF-8, though the file begins as UTF-8: save it as UTF-8 (or as Unicode text), then run the batch again.</source>
        <translation>A linha %1 contém um byte que não é UTF-8, embora o ficheiro comece em UTF-8: guarde-o em UTF-8 (ou como texto Unicode) e volte a processá-lo.</translation>
    </message>
    <message>
        <source>Line %1 writes %2 with the comma as its decimal mark, but line %3 writes %4 with the point: the file mixes decimal marks. Correct it, then run the batch again.</source>
        <translation>A linha %1 escreve %2 com a vírgula como separador decimal, mas a linha %3 escreve %4 com o ponto: o ficheiro mistura separadores decimais. Corrija-o e volte a processá-lo.</translation>
    </message>
    <message>
        <source>Line %1 writes %2 with the point as its decimal mark, but line %3 writes %4 with the comma: the file mixes decimal marks. Correct it, then run the batch again.</source>
        <translation>A linha %1 escreve %2 com o ponto como separador decimal, mas a linha %3 escreve %4 com a vírgula: o ficheiro mistura separadores decimais. Corrija-o e volte a processá-lo.</translation>
    </message>
    <message>
        <source>Kind of the file&apos;s targets</source>
        <translation>Tipo dos alvos do ficheiro</translation>
    </message>
    <message>
        <source>Not named</source>
        <translation>Não indicado</translation>
    </message>
    <message>
        <source>Every row takes the form&apos;s unit: %1.</source>
        <translation>Cada linha toma a unidade do formulário: %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could be thousands or a decimal: write it without the point, or with a decimal comma.</source>
        <translation>«%1» pode ser milhares ou um decimal: escreva-o sem o ponto, ou com a vírgula decimal.</translation>
    </message>
    <message>
        <source>The register</source>
        <translation>O registo</translation>
    </message>
    <message>
        <source>The device&apos;s storage is full: this record was not kept. Everything kept before is still there; free some space and save again.</source>
        <translation>O armazenamento do dispositivo está cheio: este registo não foi guardado. Tudo o que foi guardado antes continua lá; liberte espaço e guarde de novo.</translation>
    </message>
    <message>
        <source>The browser refuses to keep the register (private browsing, or storage turned off): nothing can be kept on this device.</source>
        <translation>O navegador recusa-se a guardar o registo (navegação privada ou armazenamento desligado): nada pode ser guardado neste dispositivo.</translation>
    </message>
    <message>
        <source>This record was not kept.</source>
        <translation>Este registo não foi guardado.</translation>
    </message>
    <message>
        <source>New tank</source>
        <translation>Nova cuba</translation>
    </message>
    <message>
        <source>Show retired tanks</source>
        <translation>Mostrar as cubas retiradas</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Histórico</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Registo</translation>
    </message>
    <message>
        <source>Figures</source>
        <translation>Valores</translation>
    </message>
    <message>
        <source>Who</source>
        <translation>Quem</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Feito</translation>
    </message>
    <message>
        <source>Liqueur</source>
        <translation>Licoroso</translation>
    </message>
    <message>
        <source>Tank details</source>
        <translation>Dados da cuba</translation>
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
        <translation>Regulamentação</translation>
    </message>
    <message>
        <source>Own limit (mg/L)</source>
        <translation>Limite próprio (mg/L)</translation>
    </message>
    <message>
        <source>Target (mg/L)</source>
        <translation>Alvo (mg/L)</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Retired</source>
        <translation>Retirada</translation>
    </message>
    <message>
        <source>Save the tank</source>
        <translation>Guardar a cuba</translation>
    </message>
    <message>
        <source>Analysis</source>
        <translation>Análise</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Data e hora</translation>
    </message>
    <message>
        <source>Free SO2 (mg/L)</source>
        <translation>SO2 livre (mg/L)</translation>
    </message>
    <message>
        <source>Total SO2 (mg/L, optional)</source>
        <translation>SO2 total (mg/L, opcional)</translation>
    </message>
    <message>
        <source>Sugar (g/L, optional)</source>
        <translation>Açúcar (g/L, opcional)</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Save the analysis and work out the dose</source>
        <translation>Guardar a análise e calcular a dose</translation>
    </message>
    <message>
        <source>Work order</source>
        <translation>Ordem de trabalho</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dia</translation>
    </message>
    <message>
        <source>Print the work order</source>
        <translation>Imprimir a ordem de trabalho</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Produto</translation>
    </message>
    <message>
        <source>SO2 added (mg/L)</source>
        <translation>SO2 adicionado (mg/L)</translation>
    </message>
    <message>
        <source>Total SO2 after (mg/L)</source>
        <translation>SO2 total depois (mg/L)</translation>
    </message>
    <message>
        <source>Initials</source>
        <translation>Iniciais</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Ficheiros</translation>
    </message>
    <message>
        <source>Drop a cellar file here to add its tanks to the register, each with its row as an analysis.</source>
        <translation>Largue aqui um ficheiro de adega para juntar as suas cubas ao registo, cada uma com a sua linha como análise.</translation>
    </message>
    <message>
        <source>Take tanks from a cellar file</source>
        <translation>Tirar as cubas de um ficheiro de adega</translation>
    </message>
    <message>
        <source>Export the tanks (cellar CSV)</source>
        <translation>Exportar as cubas (CSV de adega)</translation>
    </message>
    <message>
        <source>Export the additions (CSV)</source>
        <translation>Exportar as adições (CSV)</translation>
    </message>
    <message>
        <source>Back up the register</source>
        <translation>Fazer cópia do registo</translation>
    </message>
    <message>
        <source>Restore a backup</source>
        <translation>Restaurar uma cópia</translation>
    </message>
    <message>
        <source>Choose a tank</source>
        <translation>Escolher uma cuba</translation>
    </message>
    <message>
        <source>No tank yet</source>
        <translation>Ainda nenhuma cuba</translation>
    </message>
    <message>
        <source>retired</source>
        <translation>retirada</translation>
    </message>
    <message>
        <source>An addition of this tank was recorded as done twice (two devices, or one offline): both count in its total until one is withdrawn in the history below.</source>
        <translation>Uma adição desta cuba foi registada como feita duas vezes (dois dispositivos, ou um sem ligação): ambas contam no seu total até uma ser retirada no histórico abaixo.</translation>
    </message>
    <message>
        <source>This tank&apos;s details were changed on two devices: the ones shown won; check them and save.</source>
        <translation>Os dados desta cuba foram alterados em dois dispositivos: prevaleceram os mostrados; verifique-os e guarde.</translation>
    </message>
    <message>
        <source>No analysis yet: enter the first one below.</source>
        <translation>Ainda sem análise: introduza a primeira abaixo.</translation>
    </message>
    <message>
        <source>Latest analysis</source>
        <translation>Última análise</translation>
    </message>
    <message>
        <source>not measured</source>
        <translation>não medido</translation>
    </message>
    <message>
        <source>Total SO2 as last measured, with the additions since</source>
        <translation>SO2 total na última medição, com as adições desde então</translation>
    </message>
    <message>
        <source>limit</source>
        <translation>limite</translation>
    </message>
    <message>
        <source>over the limit</source>
        <translation>acima do limite</translation>
    </message>
    <message>
        <source>An addition is planned since the latest analysis: enter a new analysis to work out another.</source>
        <translation>Há uma adição prevista desde a última análise: introduza uma nova análise para calcular outra.</translation>
    </message>
    <message>
        <source>No addition needed.</source>
        <translation>Nenhuma adição necessária.</translation>
    </message>
    <message>
        <source>Dose</source>
        <translation>Dose</translation>
    </message>
    <message>
        <source>Plan this addition</source>
        <translation>Prever esta adição</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Corrigir</translation>
    </message>
    <message>
        <source>Withdraw</source>
        <translation>Retirar</translation>
    </message>
    <message>
        <source>Planned addition withdrawn.</source>
        <translation>Adição prevista retirada.</translation>
    </message>
    <message>
        <source>An addition withdrawn on one device was recorded as done on another: it was made, so it counts in the total. Look at the history below before planning another.</source>
        <translation>Uma adição retirada num dispositivo foi registada como feita noutro: foi feita, por isso conta no total. Veja o histórico abaixo antes de prever outra.</translation>
    </message>
    <message>
        <source>An addition was planned on an analysis corrected since: it is left off the work order. Withdraw it in the history below, and plan again from the new dose.</source>
        <translation>Foi prevista uma adição sobre uma análise corrigida depois: fica fora da ordem de trabalho. Retire-a no histórico abaixo, e preveja de novo segundo a nova dose.</translation>
    </message>
    <message>
        <source>The addition planned on the analysis it corrects was withdrawn: plan it again from the new dose.</source>
        <translation>A adição prevista sobre a análise que ela corrige foi retirada: preveja-a de novo segundo a nova dose.</translation>
    </message>
    <message>
        <source>Addition done</source>
        <translation>Adição feita</translation>
    </message>
    <message>
        <source>Addition planned</source>
        <translation>Adição prevista</translation>
    </message>
    <message>
        <source>SO2 of the tank over time: free, molecular, total and its limit, with the additions.</source>
        <translation>O SO2 da cuba ao longo do tempo: livre, molecular, total e o seu limite, com as adições.</translation>
    </message>
    <message>
        <source>Molecular SO2</source>
        <translation>SO2 molecular</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Limite</translation>
    </message>
    <message>
        <source>Additions</source>
        <translation>Adições</translation>
    </message>
    <message>
        <source>Not done</source>
        <translation>Não feito</translation>
    </message>
    <message>
        <source>No addition planned for this day.</source>
        <translation>Nenhuma adição prevista para este dia.</translation>
    </message>
    <message>
        <source>A tank needs a name.</source>
        <translation>Uma cuba precisa de um nome.</translation>
    </message>
    <message>
        <source>Another tank has this name.</source>
        <translation>Outra cuba tem este nome.</translation>
    </message>
    <message>
        <source>Tank saved.</source>
        <translation>Cuba guardada.</translation>
    </message>
    <message>
        <source>Save the tank first.</source>
        <translation>Guarde primeiro a cuba.</translation>
    </message>
    <message>
        <source>Give the date and time of the analysis.</source>
        <translation>Indique a data e a hora da análise.</translation>
    </message>
    <message>
        <source>Analysis saved.</source>
        <translation>Análise guardada.</translation>
    </message>
    <message>
        <source>Correct the analysis and save it: the new one replaces it, and the old one is kept.</source>
        <translation>Corrija a análise e guarde-a: a nova substitui-a, e a antiga é conservada.</translation>
    </message>
    <message>
        <source>Addition planned: it is on the work order.</source>
        <translation>Adição prevista: está na ordem de trabalho.</translation>
    </message>
    <message>
        <source>Addition recorded as done.</source>
        <translation>Adição registada como feita.</translation>
    </message>
    <message>
        <source>Tanks taken from the file: %1.</source>
        <translation>Cubas tiradas do ficheiro: %1.</translation>
    </message>
    <message>
        <source>Rows not taken for an error: %1. The first is line %2: %3</source>
        <translation>Linhas não tiradas por um erro: %1. A primeira é a linha %2: %3</translation>
    </message>
    <message>
        <source>%1 has a target column but no target_kind column: add one to the file, with free or molecular on each row.</source>
        <translation>%1 tem uma coluna target mas nenhuma coluna target_kind: acrescente uma ao ficheiro, com free ou molecular em cada linha.</translation>
    </message>
    <message>
        <source>A dose&apos;s questions are asked when its analysis is entered: correct the analysis and save it to answer them.</source>
        <translation>As perguntas de uma dose são feitas quando a sua análise é introduzida: corrija a análise e guarde-a para lhes responder.</translation>
    </message>
    <message>
        <source>Backup restored: %1 records.</source>
        <translation>Cópia restaurada: %1 registos.</translation>
    </message>
    <message>
        <source>This file is not a backup of the register.</source>
        <translation>Este ficheiro não é uma cópia do registo.</translation>
    </message>
    <message>
        <source>The register could not be opened: the tanks listed are those this device showed last, and nothing can be changed.</source>
        <translation>Não foi possível abrir o registo: as cubas listadas são as que este dispositivo mostrou por último, e nada pode ser alterado.</translation>
    </message>
    <message>
        <source>European Union</source>
        <translation>União Europeia</translation>
    </message>
    <message>
        <source>United States</source>
        <translation>Estados Unidos</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Solução</translation>
    </message>
    <message>
        <source>Tablet</source>
        <translation>Comprimido</translation>
    </message>
    <message>
        <source>Molecular</source>
        <translation>Molecular</translation>
    </message>
    <message>
        <source>tablets</source>
        <translation>comprimidos</translation>
    </message>
    <message>
        <source>teaspoons</source>
        <translation>colheres de chá</translation>
    </message>
    <message>
        <source>US gallons</source>
        <translation>galões americanos</translation>
    </message>
    <message>
        <source>Imperial gallons</source>
        <translation>galões imperiais</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>calculadora</translation>
    </message>
    <message>
        <source>Provided as is.</source>
        <translation>Fornecido tal qual.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
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
        <translation>Predefinições</translation>
    </message>
    <message>
        <source>Close and save settings.</source>
        <translation>Fechar e guardar as definições.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Close without saving settings.</source>
        <translation>Fechar sem guardar as definições.</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Sulphite Data</source>
        <translation>Dados do sulfito</translation>
    </message>
    <message>
        <source>Default sulphite form.</source>
        <translation>Forma de sulfito predefinida.</translation>
    </message>
    <message>
        <source>Powder</source>
        <translation>Pó</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Solução</translation>
    </message>
    <message>
        <source>Tablet</source>
        <translation>Comp.</translation>
    </message>
    <message>
        <source>Default solution %.</source>
        <translation>Percentagem predefinida da solução.</translation>
    </message>
    <message>
        <source>Increase or decrease solution percentage</source>
        <translation>Aumentar ou diminuir a percentagem da solução</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Default tablet weight.</source>
        <translation>Peso predefinido do comprimido.</translation>
    </message>
    <message>
        <source>Increase or decrease tablet weight</source>
        <translation>Aumentar ou diminuir o peso do comprimido</translation>
    </message>
    <message>
        <source>g</source>
        <translation>g</translation>
    </message>
    <message>
        <source>Batch Data</source>
        <translation>Dados do lote</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Vol.</translation>
    </message>
    <message>
        <source>Default batch size.</source>
        <translation>Volume predefinido do lote.</translation>
    </message>
    <message>
        <source>Increase or decrease batch size</source>
        <translation>Aumentar ou diminuir o volume do lote</translation>
    </message>
    <message>
        <source>Default batch units.</source>
        <translation>Unidade predefinida do volume do lote.</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Objetivo</translation>
    </message>
    <message>
        <source>Restore System Settings</source>
        <translation>Repor as predefinições do sistema</translation>
    </message>
    <message>
        <source>&amp;Restore System Defaults</source>
        <translation>&amp;Repor predefinições do sistema</translation>
    </message>
</context>
<context>
    <name>frmSulfite</name>
    <message>
        <source>Sulphite Data</source>
        <translation>Dados do sulfito</translation>
    </message>
    <message>
        <source>Sulphite source</source>
        <translation>Fonte de sulfito</translation>
    </message>
    <message>
        <source>Powder</source>
        <translation>Pó</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Solução</translation>
    </message>
    <message>
        <source>Tablet</source>
        <translation>Comp.</translation>
    </message>
    <message>
        <source>Percentage of metabisulphite</source>
        <translation>Percentagem de metabissulfito</translation>
    </message>
    <message>
        <source>Solution percentage</source>
        <translation>Percentagem da solução</translation>
    </message>
    <message>
        <source>Increase or decrease solution percentage</source>
        <translation>Aumentar ou diminuir a percentagem da solução</translation>
    </message>
    <message>
        <source>Mass of 1 tablet</source>
        <translation>Massa de 1 comprimido</translation>
    </message>
    <message>
        <source>Tablet weight</source>
        <translation>Peso do comprimido</translation>
    </message>
    <message>
        <source>Increase or decrease tablet weight</source>
        <translation>Aumentar ou diminuir o peso do comprimido</translation>
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
        <translation>Dados do lote</translation>
    </message>
    <message>
        <source>Batch size units.</source>
        <translation>Unidade do volume do lote.</translation>
    </message>
    <message>
        <source>Batch Size</source>
        <translation>Volume do lote</translation>
    </message>
    <message>
        <source>Increase or decrease batch size</source>
        <translation>Aumentar ou diminuir o volume do lote</translation>
    </message>
    <message>
        <source>Wine pH level.</source>
        <translation>pH do vinho.</translation>
    </message>
    <message>
        <source>Increase or decrease pH</source>
        <translation>Aumentar ou diminuir o pH</translation>
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
        <translation>Objetivo</translation>
    </message>
    <message>
        <source>Measured free SO2 level.</source>
        <translation>Teor de SO2 livre medido.</translation>
    </message>
    <message>
        <source>Increase or decrease existing SO2</source>
        <translation>Aumentar ou diminuir o SO2 atual</translation>
    </message>
    <message>
        <source>Desired free SO2 target level.</source>
        <translation>Teor de SO2 livre pretendido.</translation>
    </message>
    <message>
        <source>Increase or decrease target free SO2</source>
        <translation>Aumentar ou diminuir o SO2 livre a atingir</translation>
    </message>
    <message>
        <source>Desired molecular SO2 target level.</source>
        <translation>Teor de SO2 molecular pretendido.</translation>
    </message>
    <message>
        <source>Target molecular SO2</source>
        <translation>SO2 molecular a atingir</translation>
    </message>
    <message>
        <source>Increase or decrease target molecular SO2</source>
        <translation>Aumentar ou diminuir o SO2 molecular a atingir</translation>
    </message>
    <message>
        <source>Calculated existing molecular SO2 level.</source>
        <translation>Teor de SO2 molecular atual (calculado).</translation>
    </message>
    <message>
        <source>Incremental free SO2 required.</source>
        <translation>Aumento de SO2 livre necessário.</translation>
    </message>
    <message>
        <source>Incremental molecular SO2 required.</source>
        <translation>Aumento de SO2 molecular necessário.</translation>
    </message>
    <message>
        <source>Amount of sulphite required to achieve target SO2 level.</source>
        <translation>Quantidade de sulfito necessária para atingir o teor de SO2 pretendido.</translation>
    </message>
    <message>
        <source>Total Free  </source>
        <translation>Livre</translation>
    </message>
    <message>
        <source>Molecular</source>
        <translation>Molecular</translation>
    </message>
    <message>
        <source>(mg/L)</source>
        <translation>(mg/L)</translation>
    </message>
    <message>
        <source>Existing SO2</source>
        <translation>SO2 atual</translation>
    </message>
    <message>
        <source>Target SO2</source>
        <translation>SO2 a atingir</translation>
    </message>
    <message>
        <source>SO2 Requirement</source>
        <translation>SO2 a adicionar</translation>
    </message>
    <message>
        <source>Required Addition </source>
        <translation>Adição necessária</translation>
    </message>
    <message>
        <source>Compute sulphite requirements.</source>
        <translation>Calcular a quantidade de sulfito necessária.</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>Program information</source>
        <translation>Informações sobre o programa</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>Select default settings</source>
        <translation>Escolher as predefinições</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Definições</translation>
    </message>
    <message>
        <source>Close application</source>
        <translation>Fechar o programa</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
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
        <translation>Metabissulfito de potássio</translation>
    </message>
    <message>
        <source>Sodium Metabisulphite</source>
        <translation>Metabissulfito de sódio</translation>
    </message>
    <message>
        <source>The limit must be a number of mg/L above 0 and up to 1000000.</source>
        <translation>O limite deve ser um número de mg/L acima de 0 e no máximo 1000000.</translation>
    </message>
    <message>
        <source>U.S. Gal.</source>
        <translation>Gal. EUA</translation>
    </message>
    <message>
        <source>Imp. Gal.</source>
        <translation>Gal. imp.</translation>
    </message>
    <message>
        <source>Litres</source>
        <translation>Litros</translation>
    </message>
    <message>
        <source>Imp. gal.</source>
        <translation>Gal. imp.</translation>
    </message>
    <message>
        <source>Total Free SO2</source>
        <translation>SO2 livre</translation>
    </message>
    <message>
        <source>Molecular SO2</source>
        <translation>SO2 molecular</translation>
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
        <translation>c.c.</translation>
    </message>
    <message>
        <source>ml</source>
        <translation>ml</translation>
    </message>
    <message>
        <source>Please enter solution percentage.</source>
        <translation>Indique a percentagem da solução.</translation>
    </message>
    <message>
        <source>Solution percentage must be numeric.</source>
        <translation>A percentagem da solução deve ser um valor numérico.</translation>
    </message>
    <message>
        <source>Solution % must be between 0 and 100.</source>
        <translation>A % da solução deve estar entre 0 e 100.</translation>
    </message>
    <message>
        <source>Please enter tablet weight.</source>
        <translation>Indique o peso do comprimido.</translation>
    </message>
    <message>
        <source>Tablet weight must be numeric.</source>
        <translation>O peso do comprimido deve ser um valor numérico.</translation>
    </message>
    <message>
        <source>Tablet weight cannot be less than 0.</source>
        <translation>O peso do comprimido não pode ser inferior a 0.</translation>
    </message>
    <message>
        <source>Please enter batch size.</source>
        <translation>Indique o volume do lote.</translation>
    </message>
    <message>
        <source>Batch size must be numeric.</source>
        <translation>O volume do lote deve ser um valor numérico.</translation>
    </message>
    <message>
        <source>Batch size must be greater than 0.</source>
        <translation>O volume do lote deve ser superior a 0.</translation>
    </message>
    <message>
        <source>Please enter pH.</source>
        <translation>Indique o pH.</translation>
    </message>
    <message>
        <source>pH must be numeric.</source>
        <translation>O pH deve ser um valor numérico.</translation>
    </message>
    <message>
        <source>pH must be between 1 and 14.</source>
        <translation>O pH deve estar entre 1 e 14.</translation>
    </message>
    <message>
        <source>Please enter existing SO2.</source>
        <translation>Indique o SO2 atual.</translation>
    </message>
    <message>
        <source>Existing SO2 must be numeric.</source>
        <translation>O SO2 atual deve ser um valor numérico.</translation>
    </message>
    <message>
        <source>Please enter target SO2.</source>
        <translation>Indique o SO2 a atingir.</translation>
    </message>
    <message>
        <source>Target SO2 must be numeric.</source>
        <translation>O SO2 a atingir deve ser um valor numérico.</translation>
    </message>
    <message>
        <source>Existing SO2 cannot be greater than target SO2.</source>
        <translation>O SO2 atual não pode ser superior ao SO2 a atingir.</translation>
    </message>
    <message>
        <source>Tablet weight appears high. Are you sure it is correct?</source>
        <translation>O peso do comprimido parece elevado. Tem a certeza de que está correto?</translation>
    </message>
    <message>
        <source>Solution percentage appears high. Are you sure it is correct?</source>
        <translation>A percentagem da solução parece elevada. Tem a certeza de que está correta?</translation>
    </message>
    <message>
        <source>pH appears low. Are you sure it is correct?</source>
        <translation>O pH parece baixo. Tem a certeza de que está correto?</translation>
    </message>
    <message>
        <source>pH appears high. Are you sure it is correct?</source>
        <translation>O pH parece elevado. Tem a certeza de que está correto?</translation>
    </message>
    <message>
        <source>User default settings not found.<byte value="xd"/>Loading system defaults.</source>
        <translation>Não foram encontradas as predefinições do utilizador.<byte value="xd"/>Serão carregadas as predefinições do sistema.</translation>
    </message>
    <message>
        <source>Error setting user defaults.<byte value="xd"/>Using system defaults.</source>
        <translation>Erro ao aplicar as predefinições do utilizador.<byte value="xd"/>Serão usadas as predefinições do sistema.</translation>
    </message>
    <message>
        <source>%1 already running.</source>
        <translation>%1 já está em execução.</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 não é um ficheiro normal</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 é só de leitura</translation>
    </message>
    <message>
        <source>No user folder for settings.cfg: HOME is not set to a full path</source>
        <translation>Nenhuma pasta do utilizador para settings.cfg: HOME não está definida com um caminho completo</translation>
    </message>
    <message>
        <source>Please select a sulphite form.</source>
        <translation>Selecione uma forma de sulfito.</translation>
    </message>
    <message>
        <source>Solution percentage must be greater than 0.</source>
        <translation>A percentagem da solução deve ser superior a 0.</translation>
    </message>
    <message>
        <source>Tablet weight must be greater than 0.</source>
        <translation>O peso do comprimido deve ser superior a 0.</translation>
    </message>
    <message>
        <source>Existing SO2 cannot be less than 0.</source>
        <translation>O SO2 atual não pode ser inferior a 0.</translation>
    </message>
    <message>
        <source>Target SO2 cannot be less than 0.</source>
        <translation>O SO2 a atingir não pode ser inferior a 0.</translation>
    </message>
    <message>
        <source>Free SO2 target appears high. Are you sure it is correct?</source>
        <translation>O SO2 livre a atingir parece elevado. Tem a certeza de que está correto?</translation>
    </message>
    <message>
        <source>Molecular SO2 target appears high. Are you sure it is correct?</source>
        <translation>O SO2 molecular a atingir parece elevado. Tem a certeza de que está correto?</translation>
    </message>
    <message>
        <source>Batch size is too large to calculate.</source>
        <translation>O volume do lote é demasiado grande para ser calculado.</translation>
    </message>
    <message>
        <source>Target SO2 is too large to calculate.</source>
        <translation>O SO2 a atingir é demasiado grande para ser calculado.</translation>
    </message>
    <message>
        <source>Solution percentage is too small to calculate.</source>
        <translation>A percentagem da solução é demasiado pequena para ser calculada.</translation>
    </message>
    <message>
        <source>Tablet weight is too small to calculate.</source>
        <translation>O peso do comprimido é demasiado pequeno para ser calculado.</translation>
    </message>
    <message>
        <source>No addition needed: the wine is at or above its target.</source>
        <translation>Não é preciso adicionar nada: o vinho já atingiu ou ultrapassou o SO2 a atingir.</translation>
    </message>
    <message>
        <source>Tablet weight appears low. Are you sure it is correct?</source>
        <translation>O peso do comprimido parece baixo. Tem a certeza de que está correto?</translation>
    </message>
    <message>
        <source>Solution percentage appears low. Are you sure it is correct?</source>
        <translation>A percentagem da solução parece baixa. Tem a certeza de que está correta?</translation>
    </message>
    <message>
        <source>pKa appears low. Are you sure it is correct?</source>
        <translation>O pKa parece baixo. Tem a certeza de que está correto?</translation>
    </message>
    <message>
        <source>pKa appears high. Are you sure it is correct?</source>
        <translation>O pKa parece elevado. Tem a certeza de que está correto?</translation>
    </message>
    <message>
        <source>Existing SO2 appears low. Are you sure it is correct?</source>
        <translation>O SO2 atual parece baixo. Tem a certeza de que está correto?</translation>
    </message>
    <message>
        <source>Existing SO2 appears high. Are you sure it is correct?</source>
        <translation>O SO2 atual parece elevado. Tem a certeza de que está correto?</translation>
    </message>
    <message>
        <source>Batch size appears large. Are you sure it is correct?</source>
        <translation>O volume do lote parece muito grande. Tem a certeza de que está correto?</translation>
    </message>
    <message>
        <source>Free SO2 target appears low. Are you sure it is correct?</source>
        <translation>O SO2 livre a atingir parece baixo. Tem a certeza de que está correto?</translation>
    </message>
    <message>
        <source>Molecular SO2 target appears low. Are you sure it is correct?</source>
        <translation>O SO2 molecular a atingir parece baixo. Tem a certeza de que está correto?</translation>
    </message>
    <message>
        <source>The amount, %1 ml, is more than any cellar could add: check the batch size, the target and the solution percentage.</source>
        <translation>A quantidade, %1 ml, é mais do que uma adega poderia adicionar: verifique o volume do lote, o SO2 a atingir e a percentagem da solução.</translation>
    </message>
    <message>
        <source>The amount, %1 tablets, is more than any cellar could add: check the batch size, the target and the tablet weight.</source>
        <translation>A quantidade, %1 comprimidos, é mais do que uma adega poderia adicionar: verifique o volume do lote, o SO2 a atingir e o peso do comprimido.</translation>
    </message>
    <message>
        <source>The amount, %1 g, is more than any cellar could add: check the batch size and the target.</source>
        <translation>A quantidade, %1 g, é mais do que uma adega poderia adicionar: verifique o volume do lote e o SO2 a atingir.</translation>
    </message>
    <message>
        <source>The amount is less than 0.01 g, too little to weigh: check the batch size, or use a stock solution.</source>
        <translation>A quantidade é inferior a 0,01 g, pouca demais para pesar: verifique o volume do lote, ou use uma solução.</translation>
    </message>
    <message>
        <source>The amount is less than 0.01 ml, too little to measure: check the batch size, or use a weaker solution.</source>
        <translation>A quantidade é inferior a 0,01 ml, pouca demais para medir: verifique o volume do lote, ou use uma solução mais fraca.</translation>
    </message>
    <message>
        <source>The amount is less than 0.01 tablets, too little to add: check the batch size and the tablet weight.</source>
        <translation>A quantidade é inferior a 0,01 comprimidos, pouca demais para adicionar: verifique o volume do lote e o peso de um comprimido.</translation>
    </message>
    <message>
        <source>Total SO2 would reach %1 mg/L, above the %2 mg/L %3 limit for %4. Are you sure it is correct?</source>
        <translation>O SO2 total chegaria a %1 mg/L, acima do limite de %2 mg/L (%3) para %4. Confirma este valor?</translation>
    </message>
    <message>
        <source>Total SO2 would reach %1 mg/L, above the %2 mg/L limit given. Are you sure it is correct?</source>
        <translation>O SO2 total chegaria a %1 mg/L, acima do limite indicado de %2 mg/L. Confirma este valor?</translation>
    </message>
    <message>
        <source>%1 limit for %2</source>
        <translation>limite (%1) para %2</translation>
    </message>
    <message>
        <source>limit given with --limit</source>
        <translation>limite indicado com --limit</translation>
    </message>
    <message>
        <source>colour not given: took red&apos;s limit</source>
        <translation>cor não indicada: tomado o limite do tinto</translation>
    </message>
    <message>
        <source>style not given: took still wine&apos;s limit</source>
        <translation>estilo não indicado: tomado o limite do vinho tranquilo</translation>
    </message>
    <message>
        <source>sugar not given: took the stricter limit</source>
        <translation>açúcar não indicado: tomado o limite mais estrito</translation>
    </message>
    <message>
        <source>quality sparkling wine</source>
        <translation>vinho espumante de qualidade</translation>
    </message>
    <message>
        <source>sparkling wine</source>
        <translation>vinho espumante</translation>
    </message>
    <message>
        <source>liqueur wine</source>
        <translation>vinho licoroso</translation>
    </message>
    <message>
        <source>white</source>
        <translation>branco</translation>
    </message>
    <message>
        <source>rosé</source>
        <translation>rosé</translation>
    </message>
    <message>
        <source>red</source>
        <translation>tinto</translation>
    </message>
    <message>
        <source>a %1</source>
        <translation>um %1</translation>
    </message>
    <message>
        <source>a %1 with %2 to under %3 g/L of sugar</source>
        <translation>um %1 com %2 a menos de %3 g/L de açúcar</translation>
    </message>
    <message>
        <source>a dry %1</source>
        <translation>um %1 seco</translation>
    </message>
    <message>
        <source>a %1 with %2 g/L of sugar or more</source>
        <translation>um %1 com %2 g/L de açúcar ou mais</translation>
    </message>
    <message>
        <source>a %1 with %2 g/L of sugar or less</source>
        <translation>um %1 com %2 g/L de açúcar ou menos</translation>
    </message>
    <message>
        <source>a %1 with more than %2 g/L of sugar</source>
        <translation>um %1 com mais de %2 g/L de açúcar</translation>
    </message>
    <message>
        <source>EU organic</source>
        <translation>UE biológico</translation>
    </message>
    <message>
        <source>US</source>
        <translation>Estados Unidos</translation>
    </message>
    <message>
        <source>Australian</source>
        <translation>Austrália</translation>
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
        <translation>O fator de combinação deve ser numérico.</translation>
    </message>
    <message>
        <source>Binding factor cannot be less than 1.</source>
        <translation>O fator de combinação não pode ser inferior a 1.</translation>
    </message>
    <message>
        <source>Total SO2 must be numeric.</source>
        <translation>O SO2 total deve ser numérico.</translation>
    </message>
    <message>
        <source>Total SO2 cannot be less than free SO2.</source>
        <translation>O SO2 total não pode ser inferior ao SO2 livre.</translation>
    </message>
    <message>
        <source>Sugar must be numeric.</source>
        <translation>O açúcar deve ser numérico.</translation>
    </message>
    <message>
        <source>Sugar cannot be less than 0.</source>
        <translation>O açúcar não pode ser inferior a 0.</translation>
    </message>
    <message>
        <source>Binding factor appears high. Are you sure it is correct?</source>
        <translation>O fator de combinação parece alto. Confirma este valor?</translation>
    </message>
    <message>
        <source>Total SO2 appears low. Are you sure it is correct?</source>
        <translation>O SO2 total parece baixo. Confirma este valor?</translation>
    </message>
</context>
</TS>
