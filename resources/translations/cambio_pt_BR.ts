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
        <source>cannot update the rates from %@</source>
        <translation>não é possível atualizar as cotações a partir de %@</translation>
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
        <source>the rates server has no newer rates</source>
        <translation>o servidor de cotações não tem cotações mais recentes</translation>
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
        <source>the answer is not what was asked for</source>
        <translation>a resposta não é o que foi pedido</translation>
    </message>
</context>
</TS>
