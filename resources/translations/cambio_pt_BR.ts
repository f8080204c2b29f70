<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>Cambio</name>
    <message>
        <source>Updating…</source>
        <translation>Atualizando…</translation>
    </message>
    <message>
        <source>Updated %@</source>
        <translation>Atualizado: %@</translation>
    </message>
    <message>
        <source>LocationChangedAlertMessage</source>
        <translation>Tornar %@ sua moeda principal?</translation>
    </message>
    <message>
        <source>LocationChangedAlertInformativeText</source>
        <translation>Parece que seu computador agora está em outro país. O Cambio pode mostrar a moeda desse país na primeira linha.</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Trocar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>SharingFullTitle</source>
        <translation>Cambio – o conversor de moedas para seu desktop</translation>
    </message>
    <message>
        <source>Currencies</source>
        <translation>Moedas</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Refresh Rates</source>
        <translation>Atualizar cotações</translation>
    </message>
    <message>
        <source>Reset Amounts</source>
        <translation>Zerar valores</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Maximizar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>Copiar tudo</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Colar</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Preferências…</translation>
    </message>
    <message>
        <source>Send Feedback…</source>
        <translation>Enviar comentários…</translation>
    </message>
    <message>
        <source>About Cambio</source>
        <translation>Sobre o Cambio</translation>
    </message>
    <message>
        <source>Quit Cambio</source>
        <translation>Sair do Cambio</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>Versão %@</translation>
    </message>
    <message>
        <source>Rates of %@</source>
        <translation>Cotações: %@</translation>
    </message>
    <message>
        <source>Rates not updated</source>
        <translation>Cotações não atualizadas</translation>
    </message>
    <message>
        <source>The main currency could not be changed.</source>
        <translation>Não foi possível trocar a moeda principal.</translation>
    </message>
    <message>
        <source>cannot update the rates from %1: %2</source>
        <translation>não é possível atualizar as cotações a partir de %1: %2</translation>
    </message>
    <message>
        <source>the new rates could not be stored in %@</source>
        <translation>não foi possível armazenar as novas cotações em %@</translation>
    </message>
    <message>
        <source>the answer is not JSON: %@</source>
        <translation>a resposta não é JSON: %@</translation>
    </message>
    <message>
        <source>the answer is not a JSON object of rates</source>
        <translation>a resposta não é um objeto JSON de cotações</translation>
    </message>
    <message>
        <source>the answer holds no usable rate</source>
        <translation>a resposta não contém nenhuma cotação utilizável</translation>
    </message>
    <message>
        <source>connection refused</source>
        <translation>conexão recusada</translation>
    </message>
    <message>
        <source>a module cannot be loaded: %@</source>
        <translation>não é possível carregar um módulo: %@</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Imagens PNG (*.png)</translation>
    </message>
    <message>
        <source>host %@ not found</source>
        <translation>host %@ não encontrado</translation>
    </message>
    <message>
        <source>connection closed before the whole response arrived</source>
        <translation>conexão fechada antes de chegar a resposta completa</translation>
    </message>
    <message>
        <source>not an HTTP address: %@</source>
        <translation>não é um endereço HTTP: %@</translation>
    </message>
    <message>
        <source>not an HTTP address</source>
        <translation>não é um endereço HTTP</translation>
    </message>
    <message>
        <source>response larger than %@</source>
        <translation>resposta maior que %@</translation>
    </message>
    <message>
        <source>timed out after %@ s</source>
        <translation>tempo esgotado após %@ s</translation>
    </message>
    <message>
        <source>HTTP %@</source>
        <translation>HTTP %@</translation>
    </message>
    <message>
        <source>cannot write %@</source>
        <translation>não é possível gravar %@</translation>
    </message>
    <message>
        <source>another program kept %@ locked</source>
        <translation>outro programa manteve %@ bloqueado</translation>
    </message>
    <message>
        <source>cannot lock %@</source>
        <translation>não é possível bloquear %@</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>larger than 1 MiB</source>
        <translation>maior que 1 MiB</translation>
    </message>
    <message>
        <source>ignoring the settings in %@</source>
        <translation>ignorando as configurações em %@</translation>
    </message>
    <message>
        <source>unknown currency: %@</source>
        <translation>moeda desconhecida: %@</translation>
    </message>
    <message>
        <source>already visible: %@</source>
        <translation>já visível: %@</translation>
    </message>
    <message>
        <source>not a visible currency: %@</source>
        <translation>não é uma moeda visível: %@</translation>
    </message>
    <message>
        <source>%@ (fixed)</source>
        <translation>%@ (fixa)</translation>
    </message>
    <message>
        <source>Follows location: %@</source>
        <translation>Segue a localização: %@</translation>
    </message>
    <message>
        <source>Add Currency</source>
        <translation>Adicionar moeda</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Available Currencies</source>
        <translation>Moedas disponíveis</translation>
    </message>
    <message>
        <source>CAMBIO_RATES_URL names this server for this session.</source>
        <translation>CAMBIO_RATES_URL define este servidor para esta sessão.</translation>
    </message>
    <message>
        <source>Cambio and cambio-cli ask this server for new rates. Leave it empty for the server of this computer.</source>
        <translation>O Cambio e o cambio-cli pedem novas cotações a este servidor. Deixe vazio para usar o servidor deste computador.</translation>
    </message>
    <message>
        <source>Change Main Currency</source>
        <translation>Trocar moeda principal</translation>
    </message>
    <message>
        <source>Change Number Format</source>
        <translation>Trocar formato de número</translation>
    </message>
    <message>
        <source>Change…</source>
        <translation>Trocar…</translation>
    </message>
    <message>
        <source>Choose a currency to add to the converter.</source>
        <translation>Escolha uma moeda para adicionar ao conversor.</translation>
    </message>
    <message>
        <source>Choose how amounts are written.</source>
        <translation>Escolha como os valores são escritos.</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Escolher</translation>
    </message>
    <message>
        <source>Drag a currency, or press Alt+Up or Alt+Down, to change the order.</source>
        <translation>Arraste uma moeda, ou pressione Alt+Cima ou Alt+Baixo, para mudar a ordem.</translation>
    </message>
    <message>
        <source>Follow Location</source>
        <translation>Seguir a localização</translation>
    </message>
    <message>
        <source>Follow the computer’s location</source>
        <translation>Seguir a localização do computador</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>Main Currency</source>
        <translation>Moeda principal</translation>
    </message>
    <message>
        <source>Main currency:</source>
        <translation>Moeda principal:</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Mover para baixo</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Mover para cima</translation>
    </message>
    <message>
        <source>Number Format</source>
        <translation>Formato de número</translation>
    </message>
    <message>
        <source>Number Formats</source>
        <translation>Formatos de número</translation>
    </message>
    <message>
        <source>Number format:</source>
        <translation>Formato de número:</translation>
    </message>
    <message>
        <source>Amounts look like %@</source>
        <translation>Os valores ficam assim: %@</translation>
    </message>
    <message>
        <source>Panes</source>
        <translation>Painéis</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferências</translation>
    </message>
    <message>
        <source>Rates Server</source>
        <translation>Servidor de cotações</translation>
    </message>
    <message>
        <source>Rates server:</source>
        <translation>Servidor de cotações:</translation>
    </message>
    <message>
        <source>Rates</source>
        <translation>Cotações</translation>
    </message>
    <message>
        <source>Rates:</source>
        <translation>Cotações:</translation>
    </message>
    <message>
        <source>Refresh Now</source>
        <translation>Atualizar agora</translation>
    </message>
    <message>
        <source>Remove Currency</source>
        <translation>Remover moeda</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Restaurar padrões</translation>
    </message>
    <message>
        <source>Search Currencies</source>
        <translation>Pesquisar moedas</translation>
    </message>
    <message>
        <source>Search Number Formats</source>
        <translation>Pesquisar formatos de número</translation>
    </message>
    <message>
        <source>Search by code or name</source>
        <translation>Pesquisar por código ou nome</translation>
    </message>
    <message>
        <source>Search by language or region</source>
        <translation>Pesquisar por idioma ou região</translation>
    </message>
    <message>
        <source>System (%@)</source>
        <translation>Sistema (%@)</translation>
    </message>
    <message>
        <source>The change could not be saved: %@</source>
        <translation>Não foi possível salvar a alteração: %@</translation>
    </message>
    <message>
        <source>The converter shows these currencies under the main one, in this order.</source>
        <translation>O conversor mostra estas moedas abaixo da principal, nesta ordem.</translation>
    </message>
    <message>
        <source>The main currency stands at the top of the converter.</source>
        <translation>A moeda principal fica no topo do conversor.</translation>
    </message>
    <message>
        <source>Visible Currencies</source>
        <translation>Moedas visíveis</translation>
    </message>
    <message>
        <source>When the computer is in another country, Cambio offers to make that country’s currency the main one.</source>
        <translation>Quando o computador está em outro país, o Cambio oferece tornar a moeda desse país a principal.</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Enviar comentários</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensagem</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>Mensagem:</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>Obrigatório</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Opcional</translation>
    </message>
    <message>
        <source>Sending…</source>
        <translation>Enviando…</translation>
    </message>
    <message>
        <source>Please enter your e-mail address.</source>
        <translation>Digite seu endereço de e-mail.</translation>
    </message>
    <message>
        <source>This e-mail address is not complete.</source>
        <translation>Este endereço de e-mail está incompleto.</translation>
    </message>
    <message>
        <source>Please write a message.</source>
        <translation>Escreva uma mensagem.</translation>
    </message>
    <message>
        <source>Your message could not be saved: %@</source>
        <translation>Não foi possível salvar sua mensagem: %@</translation>
    </message>
    <message>
        <source>Thank you for your feedback.</source>
        <translation>Obrigado pelos seus comentários.</translation>
    </message>
    <message>
        <source>Your feedback could not be sent.</source>
        <translation>Não foi possível enviar seus comentários.</translation>
    </message>
    <message>
        <source>It has been sent.</source>
        <translation>Eles foram enviados.</translation>
    </message>
    <message>
        <source>Send Report</source>
        <translation>Enviar relatório</translation>
    </message>
    <message>
        <source>Don&apos;t Send</source>
        <translation>Não enviar</translation>
    </message>
    <message>
        <source>Always Send</source>
        <translation>Sempre enviar</translation>
    </message>
    <message>
        <source>The crash report could not be sent.</source>
        <translation>Não foi possível enviar o relatório de falha.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Compartilhar</translation>
    </message>
    <message>
        <source>Sharing</source>
        <translation>Compartilhamento</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Copiar para a área de transferência</translation>
    </message>
    <message>
        <source>Save Picture…</source>
        <translation>Salvar imagem…</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Salvar imagem</translation>
    </message>
    <message>
        <source>The picture could not be saved as %@.</source>
        <translation>Não foi possível salvar a imagem como %@.</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>The e-mail could not be prepared.</source>
        <translation>Não foi possível preparar o e-mail.</translation>
    </message>
    <message>
        <source>The mail program could not be opened.</source>
        <translation>Não foi possível abrir o programa de e-mail.</translation>
    </message>
    <message>
        <source>FeedbackIntroduction</source>
        <translation>Conte o que você gosta, o que está faltando ou o que deu errado.</translation>
    </message>
    <message>
        <source>FeedbackKeptInformativeText</source>
        <translation>Sua mensagem está guardada na pasta %@.</translation>
    </message>
    <message>
        <source>FeedbackNotSentInformativeText</source>
        <translation>Sua mensagem foi salva em %@. O motivo:</translation>
    </message>
    <message>
        <source>CrashReportAlertMessage</source>
        <translation>O Cambio fechou inesperadamente na última vez em que foi executado.</translation>
    </message>
    <message>
        <source>CrashReportAlertInformativeText</source>
        <translation>Deseja enviar um relatório disso para %@? Ele informa o que o programa estava fazendo quando parou; não contém nada do que você digitou.</translation>
    </message>
    <message>
        <source>CrashReportKeptInformativeText</source>
        <translation>Um relatório do que aconteceu está guardado neste computador, na pasta %@. Ele não é enviado a lugar nenhum: nenhum endereço para envio de relatórios foi configurado.</translation>
    </message>
    <message>
        <source>CrashReportNotSentInformativeText</source>
        <translation>Ele fica em %@ e será oferecido novamente na próxima inicialização. O motivo:</translation>
    </message>
    <message>
        <source>AboutDataLicences</source>
        <translation>As cotações que acompanham o Cambio vêm da API de moedas fawazahmed0/exchange-api (CC0 1.0). As fronteiras dos países vêm do country-coder (licença ISC, veja “%@”). As bandeiras são o iso-flags-svg do Debian (domínio público); as bandeiras do bitcoin, do florim caribenho e do ouro do Zimbábue são do próprio Cambio.</translation>
    </message>
    <message>
        <source>FeedbackDestinationComputer</source>
        <translation>Sua mensagem será guardada neste computador, na pasta %@. Ela não é enviada a lugar nenhum: nenhum endereço para envio de comentários foi configurado.</translation>
    </message>
    <message>
        <source>FeedbackDestinationAddress</source>
        <translation>Sua mensagem será enviada para %@, e uma cópia ficará guardada neste computador.</translation>
    </message>
    <message>
        <source>There is no amount to paste.</source>
        <translation>Não há nenhum valor para colar.</translation>
    </message>
    <message>
        <source>Only one amount can be pasted at a time.</source>
        <translation>Só é possível colar um valor por vez.</translation>
    </message>
    <message>
        <source>“%@” is not an amount.</source>
        <translation>“%@” não é um valor.</translation>
    </message>
    <message>
        <source>Amounts have at most %@ digits before the decimal separator.</source>
        <translation>Os valores têm no máximo %@ dígitos antes do separador decimal.</translation>
    </message>
    <message>
        <source>“%@” stands for more than one currency here.</source>
        <translation>“%@” representa mais de uma moeda aqui.</translation>
    </message>
    <message>
        <source>“%@” names more than one currency.</source>
        <translation>“%@” designa mais de uma moeda.</translation>
    </message>
    <message>
        <source>%@ is not among the currencies shown.</source>
        <translation>%@ não está entre as moedas mostradas.</translation>
    </message>
    <message>
        <source>CrashReportNotPutAsideInformativeText</source>
        <translation>Ele fica com os novos relatórios em %@ e será oferecido novamente na próxima inicialização. O motivo:</translation>
    </message>
    <message>
        <source>FeedbackNotMovedInformativeText</source>
        <translation>Ela fica com as mensagens ainda não enviadas em %@. O motivo:</translation>
    </message>
    <message>
        <source>The crash report could not be put aside.</source>
        <translation>Não foi possível guardar à parte o relatório de falha.</translation>
    </message>
    <message>
        <source>cannot make the folder %@</source>
        <translation>não é possível criar a pasta %@</translation>
    </message>
    <message>
        <source>Rates are %@ old</source>
        <translation>As cotações têm %@</translation>
    </message>
    <message>
        <source>rates of %@</source>
        <translation>cotações de %@</translation>
    </message>
    <message>
        <source>redirect to %@ refused</source>
        <translation>redirecionamento para %@ recusado</translation>
    </message>
    <message>
        <source>a redirect loop</source>
        <translation>ciclo de redirecionamentos</translation>
    </message>
    <message>
        <source>it leaves HTTPS</source>
        <translation>ele sai do HTTPS</translation>
    </message>
    <message>
        <source>more than %@ redirects</source>
        <translation>mais de %@ redirecionamentos</translation>
    </message>
    <message>
        <source>HTTP %@ without a target</source>
        <translation>HTTP %@ sem destino</translation>
    </message>
    <message>
        <source>the answer's compression is damaged or would inflate beyond any limit</source>
        <translation>a compressão da resposta está danificada ou, descompactada, excederia qualquer limite</translation>
    </message>
    <message>
        <source>TLS handshake failed: %@</source>
        <translation>falha no handshake TLS: %@</translation>
    </message>
    <message>
        <source>Usage: %@</source>
        <translation>Uso: %@</translation>
    </message>
    <message>
        <source>Converts amounts with Cambio's rates and changes the currencies the converter shows. Amounts are read and written in the current locale; currency codes in any case.</source>
        <translation>Converte valores com as cotações do Cambio e muda as moedas que o conversor mostra. Os valores são lidos e escritos no idioma e formato atuais; os códigos de moeda, em maiúsculas ou minúsculas.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Comandos:</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opções:</translation>
    </message>
    <message>
        <source>AMOUNT in FROM converted into each TO, or into every row of the converter</source>
        <translation>AMOUNT em FROM convertido em cada TO, ou em cada linha do conversor</translation>
    </message>
    <message>
        <source>the conversions that the desktop's search shows for TEXT, such as “100 usd in eur” or “5 usd + 2 gbp in eur, jpy”</source>
        <translation>as conversões que a pesquisa da área de trabalho mostra para TEXT, como “100 usd in eur” ou “5 usd + 2 gbp in eur, jpy”</translation>
    </message>
    <message>
        <source>the copied summary of every row for AMOUNT in FROM (the main currency when FROM is not given)</source>
        <translation>o resumo copiado de todas as linhas para AMOUNT em FROM (a moeda principal quando não há FROM)</translation>
    </message>
    <message>
        <source>every currency of the rates with its name; --available: only those not shown yet; --filter: only those that TEXT finds</source>
        <translation>todas as moedas das cotações com seus nomes; --available: só as ainda não mostradas; --filter: só as que TEXT encontra</translation>
    </message>
    <message>
        <source>the currencies the converter shows, after the change if one is given</source>
        <translation>as moedas que o conversor mostra, após a alteração, se alguma for indicada</translation>
    </message>
    <message>
        <source>the main currency, after fixing it to CODE or letting it follow the computer's country</source>
        <translation>a moeda principal, após fixá-la em CODE ou deixá-la seguir o país do computador</translation>
    </message>
    <message>
        <source>fetches the latest rates from the rates server</source>
        <translation>obtém as cotações mais recentes do servidor de cotações</translation>
    </message>
    <message>
        <source>the date of the rates, then each currency's rates from and to the US dollar; their age goes to stderr</source>
        <translation>a data das cotações e depois as cotações de cada moeda de e para o dólar americano; a idade delas vai para stderr</translation>
    </message>
    <message>
        <source>use the locale ID for amounts (for example de_DE, or ar_EG@numbers=latn for the digits 0 to 9) instead of the current one</source>
        <translation>usar a localidade ID para os valores (por exemplo de_DE, ou ar_EG@numbers=latn para os algarismos de 0 a 9) em vez da atual</translation>
    </message>
    <message>
        <source>no warning on stderr that the rates are old</source>
        <translation>nenhum aviso em stderr de que as cotações estão antigas</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>mostra esta ajuda e sai</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>mostra a versão e sai</translation>
    </message>
    <message>
        <source>Exit status: 0 when done, 1 when the operation failed, 2 for a bad command line.</source>
        <translation>Status de saída: 0 quando concluído, 1 quando a operação falhou, 2 para uma linha de comando incorreta.</translation>
    </message>
    <message>
        <source>%@ takes no value</source>
        <translation>%@ não aceita valor</translation>
    </message>
    <message>
        <source>%@ needs a value</source>
        <translation>%@ requer um valor</translation>
    </message>
    <message>
        <source>unknown option: %@</source>
        <translation>opção desconhecida: %@</translation>
    </message>
    <message>
        <source>%1 takes no arguments: %2</source>
        <translation>%1 não aceita argumentos: %2</translation>
    </message>
    <message>
        <source>no command given (see cambio-cli --help)</source>
        <translation>nenhum comando informado (veja cambio-cli --help)</translation>
    </message>
    <message>
        <source>%1 takes no option %2</source>
        <translation>%1 não aceita a opção %2</translation>
    </message>
    <message>
        <source>unknown command: %@ (see cambio-cli --help)</source>
        <translation>comando desconhecido: %@ (veja cambio-cli --help)</translation>
    </message>
    <message>
        <source>not an amount: %@</source>
        <translation>não é um valor: %@</translation>
    </message>
    <message>
        <source>convert needs an amount and a currency: %@</source>
        <translation>convert requer um valor e uma moeda: %@</translation>
    </message>
    <message>
        <source>query needs a text: %@</source>
        <translation>query requer um texto: %@</translation>
    </message>
    <message>
        <source>not a conversion: %@</source>
        <translation>não é uma conversão: %@</translation>
    </message>
    <message>
        <source>no usable rate for %@ in the rates in force</source>
        <translation>nenhuma cotação utilizável para %@ nas cotações em vigor</translation>
    </message>
    <message>
        <source>amount too large to convert into %@</source>
        <translation>valor grande demais para converter em %@</translation>
    </message>
    <message>
        <source>summary needs an amount: %@</source>
        <translation>summary requer um valor: %@</translation>
    </message>
    <message>
        <source>no main currency is in force; give FROM or fix one with: %@</source>
        <translation>nenhuma moeda principal em vigor; informe FROM ou fixe uma com: %@</translation>
    </message>
    <message>
        <source>currencies takes no currency: %@</source>
        <translation>currencies não aceita moeda: %@</translation>
    </message>
    <message>
        <source>visible takes one of: %@</source>
        <translation>visible aceita uma destas formas: %@</translation>
    </message>
    <message>
        <source>main takes one currency or --auto: %@</source>
        <translation>main aceita uma moeda ou --auto: %@</translation>
    </message>
    <message>
        <source>update takes no arguments</source>
        <translation>update não aceita argumentos</translation>
    </message>
    <message>
        <source>the rates were not updated</source>
        <translation>as cotações não foram atualizadas</translation>
    </message>
    <message>
        <source>no rates: neither the rates file nor the program's own copy can be read</source>
        <translation>nenhuma cotação: não é possível ler nem o arquivo de cotações nem a cópia do próprio programa</translation>
    </message>
    <message>
        <source>the rates file's entry for %@ is unusable; the program's own rates are shown</source>
        <translation>a entrada do arquivo de cotações para %@ é inutilizável; as cotações do próprio programa são mostradas</translation>
    </message>
    <message>
        <source>the rates file's entry for %@ is unusable and left out</source>
        <translation>a entrada do arquivo de cotações para %@ é inutilizável e foi omitida</translation>
    </message>
    <message>
        <source>cannot write the output</source>
        <translation>não é possível escrever a saída</translation>
    </message>
    <message>
        <source>cannot write the output: %@</source>
        <translation>não é possível escrever a saída: %@</translation>
    </message>
    <message>
        <source>no locale given</source>
        <translation>nenhuma localidade informada</translation>
    </message>
    <message>
        <source>unknown locale: %@</source>
        <translation>localidade desconhecida: %@</translation>
    </message>
    <message>
        <source>no decimal numbering system: %@</source>
        <translation>não é um sistema de numeração decimal: %@</translation>
    </message>
    <message>
        <source>locale keyword not supported: %@ (numbers and currency are)</source>
        <translation>palavra-chave de localidade sem suporte: %@ (numbers e currency têm suporte)</translation>
    </message>
    <message>
        <source>Rates are %1 old: %2</source>
        <translation>As cotações têm %1: %2</translation>
    </message>
    <message>
        <source>Rates are %@ old: the rates server has no newer rates</source>
        <translation>As cotações têm %@: o servidor de cotações não tem cotações mais recentes</translation>
    </message>
    <message>
        <source>Serves exchange rates to Cambio at %1, gathered from the European Central Bank and the community currency API, and each source's state at %2.</source>
        <translation>Fornece cotações de câmbio ao Cambio em %1, reunidas do Banco Central Europeu e da API comunitária de moedas, e o estado de cada fonte em %2.</translation>
    </message>
    <message>
        <source>Every option but --once may also be set in %@, one “name = value” line each; the command line wins.</source>
        <translation>Todas as opções, exceto --once, também podem ser definidas em %@, uma linha “name = value” cada; a linha de comando prevalece.</translation>
    </message>
    <message>
        <source>where to listen (default %1; %2 for IPv6)</source>
        <translation>onde escutar (padrão %1; %2 para IPv6)</translation>
    </message>
    <message>
        <source>the central bank's daily reference rates (XML); %@ turns them off</source>
        <translation>as cotações de referência diárias do banco central (XML); %@ as desativa</translation>
    </message>
    <message>
        <source>the currency API's dollar table (JSON); repeat for fallbacks; %@ turns it off</source>
        <translation>a tabela em dólares da API de moedas (JSON); repita para endereços alternativos; %@ a desativa</translation>
    </message>
    <message>
        <source>the table for currencies no live source has: a rates document or a JSON answer (default: the converter's own seed)</source>
        <translation>a tabela para moedas que nenhuma fonte ao vivo fornece: um documento de cotações ou uma resposta JSON (padrão: a tabela inicial do próprio conversor)</translation>
    </message>
    <message>
        <source>where the last good table is kept (default %@)</source>
        <translation>onde a última tabela válida é guardada (padrão %@)</translation>
    </message>
    <message>
        <source>how old the newest rates may be for the table to count as current (default %1; at most %2, ten years)</source>
        <translation>a idade máxima das cotações mais recentes para que a tabela seja considerada atual (padrão %1; no máximo %2, dez anos)</translation>
    </message>
    <message>
        <source>exit after that long without a request, for socket activation (default 0: never; at most %@, about 24 days)</source>
        <translation>sair após esse tempo sem requisições, para ativação por socket (padrão 0: nunca; no máximo %@, cerca de 24 dias)</translation>
    </message>
    <message>
        <source>fetch once, write the table to FILE as JSON and exit; exit status 1 when no live source answered</source>
        <translation>obter uma vez, escrever a tabela em JSON em FILE e sair; status de saída 1 quando nenhuma fonte ao vivo respondeu</translation>
    </message>
    <message>
        <source>not a setting: %@</source>
        <translation>não é uma configuração: %@</translation>
    </message>
    <message>
        <source>%1 needs an http or https URL: %2</source>
        <translation>%1 requer uma URL http ou https: %2</translation>
    </message>
    <message>
        <source>%1 needs a whole number of seconds from %2 to %3: %4</source>
        <translation>%1 requer um número inteiro de segundos de %2 a %3: %4</translation>
    </message>
    <message>
        <source>unexpected argument: %@</source>
        <translation>argumento inesperado: %@</translation>
    </message>
    <message>
        <source>%1 needs %2, like %3: %4</source>
        <translation>%1 requer %2, como %3: %4</translation>
    </message>
    <message>
        <source>%@ needs a file</source>
        <translation>%@ requer um arquivo</translation>
    </message>
    <message>
        <source>%@ (see cambio-ratesd --help)</source>
        <translation>%@ (veja cambio-ratesd --help)</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Histórico</translation>
    </message>
    <message>
        <source>1 &amp;Month</source>
        <translation>1 &amp;mês</translation>
    </message>
    <message>
        <source>&amp;3 Months</source>
        <translation>&amp;3 meses</translation>
    </message>
    <message>
        <source>1 &amp;Year</source>
        <translation>1 &amp;ano</translation>
    </message>
    <message>
        <source>&amp;5 Years</source>
        <translation>&amp;5 anos</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Tudo</translation>
    </message>
    <message>
        <source>Downloading…</source>
        <translation>Baixando…</translation>
    </message>
    <message>
        <source>The download failed: %@. Shown are the rates kept on this computer.</source>
        <translation>O download falhou: %@. São mostradas as cotações guardadas neste computador.</translation>
    </message>
    <message>
        <source>No rates are kept for this range.</source>
        <translation>Nenhuma cotação guardada para este período.</translation>
    </message>
    <message>
        <source>%1 per %2</source>
        <translation>%1 por %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>over one month</source>
        <translation>em um mês</translation>
    </message>
    <message>
        <source>over three months</source>
        <translation>em três meses</translation>
    </message>
    <message>
        <source>over one year</source>
        <translation>em um ano</translation>
    </message>
    <message>
        <source>over five years</source>
        <translation>em cinco anos</translation>
    </message>
    <message>
        <source>since %@</source>
        <translation>desde %@</translation>
    </message>
    <message>
        <source>%1: no rates are kept.</source>
        <translation>%1: nenhuma cotação guardada.</translation>
    </message>
    <message>
        <source>%1: only %2, on %3.</source>
        <translation>%1: apenas %2, em %3.</translation>
    </message>
    <message>
        <source>%1: from %2 to %3, low %4 on %5, high %6 on %7.</source>
        <translation>%1: de %2 a %3, mínima %4 em %5, máxima %6 em %7.</translation>
    </message>
    <message>
        <source>No rates before %@.</source>
        <translation>Nenhuma cotação antes de %@.</translation>
    </message>
    <message>
        <source>No rates after %@.</source>
        <translation>Nenhuma cotação depois de %@.</translation>
    </message>
    <message>
        <source>No rates from %1 to %2.</source>
        <translation>Nenhuma cotação de %1 a %2.</translation>
    </message>
    <message>
        <source>Change: %1 (%2)</source>
        <translation>Variação: %1 (%2)</translation>
    </message>
    <message>
        <source>Low: %1 on %2</source>
        <translation>Mínima: %1 em %2</translation>
    </message>
    <message>
        <source>High: %1 on %2</source>
        <translation>Máxima: %1 em %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>the rate history is kept in memory only, %@ cannot be used</source>
        <translation>o histórico de cotações fica só na memória, %@ não pode ser usado</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>it holds the tables of another program</source>
        <translation>contém as tabelas de outro programa</translation>
    </message>
    <message>
        <source>its schema is of version %@</source>
        <translation>seu esquema é da versão %@</translation>
    </message>
    <message>
        <source>the rate history is begun anew, the old file is kept as %@</source>
        <translation>o histórico de cotações recomeça, o arquivo antigo fica guardado como %@</translation>
    </message>
    <message>
        <source>the rates could not be kept</source>
        <translation>não foi possível guardar as cotações</translation>
    </message>
    <message>
        <source>the answer holds no history of the currencies asked for</source>
        <translation>a resposta não contém o histórico das moedas pedidas</translation>
    </message>
    <message>
        <source>cannot download the rate history from %@</source>
        <translation>não é possível baixar o histórico de cotações de %@</translation>
    </message>
    <message>
        <source>%1 per %2 from %3 to %4: %5 to %6, low %7 on %8, high %9 on %10, change %11 (%12)</source>
        <translation>%1 por %2 de %3 a %4: de %5 a %6, mínima %7 em %8, máxima %9 em %10, variação %11 (%12)</translation>
    </message>
    <message>
        <source>showing the rates kept on this computer</source>
        <translation>mostrando as cotações guardadas neste computador</translation>
    </message>
    <message>
        <source>how many AGAINST (the main currency unless given) one CODE was worth each day, then the low, the high and the change; the last 30 days unless told, at most 10 years; dates as YYYY-MM-DD; --csv for spreadsheets</source>
        <translation>quanto AGAINST (a moeda principal se não for indicada) valia um CODE a cada dia, depois a mínima, a máxima e a variação; por padrão os últimos 30 dias, no máximo 10 anos; datas como AAAA-MM-DD; --csv para planilhas</translation>
    </message>
    <message>
        <source>the answer is not what was asked for</source>
        <translation>a resposta não é o que foi pedido</translation>
    </message>
    <message>
        <source>the central bank's full history (XML), taken into the history once; %@ turns that off</source>
        <translation>o histórico completo do banco central (XML), incorporado uma vez ao histórico; %@ o desativa</translation>
    </message>
    <message>
        <source>history needs a currency: %@</source>
        <translation>history precisa de uma moeda: %@</translation>
    </message>
    <message>
        <source>history needs two different currencies: %@</source>
        <translation>history precisa de duas moedas diferentes: %@</translation>
    </message>
    <message>
        <source>--days cannot go with --from or --to</source>
        <translation>--days não pode ser usado com --from ou --to</translation>
    </message>
    <message>
        <source>--days needs a number of days: %@</source>
        <translation>--days precisa de um número de dias: %@</translation>
    </message>
    <message>
        <source>not a date (YYYY-MM-DD): %@</source>
        <translation>não é uma data (YYYY-MM-DD): %@</translation>
    </message>
    <message>
        <source>--to needs --from</source>
        <translation>--to precisa de --from</translation>
    </message>
    <message>
        <source>the first day comes after the last: %1 to %2</source>
        <translation>o primeiro dia vem depois do último: %1 a %2</translation>
    </message>
    <message>
        <source>more than %1 years at once: %2 to %3</source>
        <translation>mais de %1 anos de uma vez: %2 a %3</translation>
    </message>
    <message>
        <source>no rates of %1 against %2 from %3 to %4</source>
        <translation>nenhuma cotação de %1 em relação a %2 de %3 a %4</translation>
    </message>
</context>
</TS>
