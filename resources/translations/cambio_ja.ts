<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
<context>
    <name>Cambio</name>
    <message>
        <source>Updating…</source>
        <translation>更新中…</translation>
    </message>
    <message>
        <source>Updated %@</source>
        <translation>更新日時: %@</translation>
    </message>
    <message>
        <source>LocationChangedAlertMessage</source>
        <translation>%@ を基準通貨にしますか?</translation>
    </message>
    <message>
        <source>LocationChangedAlertInformativeText</source>
        <translation>コンピューターが別の国にあるようです。Cambio はその国の通貨を一番上の行に表示できます。</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>変更</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>SharingFullTitle</source>
        <translation>Cambio – デスクトップのための通貨換算ツール</translation>
    </message>
    <message>
        <source>Currencies</source>
        <translation>通貨</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>メニュー</translation>
    </message>
    <message>
        <source>Refresh Rates</source>
        <translation>レートを更新</translation>
    </message>
    <message>
        <source>Reset Amounts</source>
        <translation>金額をリセット</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>最大化</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>すべてコピー</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>設定…</translation>
    </message>
    <message>
        <source>Send Feedback…</source>
        <translation>フィードバックを送信…</translation>
    </message>
    <message>
        <source>About Cambio</source>
        <translation>Cambio について</translation>
    </message>
    <message>
        <source>Quit Cambio</source>
        <translation>Cambio を終了</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>バージョン %@</translation>
    </message>
    <message>
        <source>Rates of %@</source>
        <translation>レート: %@</translation>
    </message>
    <message>
        <source>Rates not updated</source>
        <translation>レートは更新されていません</translation>
    </message>
    <message>
        <source>The main currency could not be changed.</source>
        <translation>基準通貨を変更できませんでした。</translation>
    </message>
    <message>
        <source>cannot update the rates from %1: %2</source>
        <translation>%1 からレートを更新できません: %2</translation>
    </message>
    <message>
        <source>the new rates could not be stored in %@</source>
        <translation>新しいレートを %@ に保存できませんでした</translation>
    </message>
    <message>
        <source>the answer is not JSON: %@</source>
        <translation>応答が JSON ではありません: %@</translation>
    </message>
    <message>
        <source>the answer is not a JSON object of rates</source>
        <translation>応答がレートの JSON オブジェクトではありません</translation>
    </message>
    <message>
        <source>the answer holds no usable rate</source>
        <translation>応答に使用できるレートがありません</translation>
    </message>
    <message>
        <source>connection refused</source>
        <translation>接続が拒否されました</translation>
    </message>
    <message>
        <source>a module cannot be loaded: %@</source>
        <translation>モジュールを読み込めません: %@</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG 画像 (*.png)</translation>
    </message>
    <message>
        <source>host %@ not found</source>
        <translation>ホスト %@ が見つかりません</translation>
    </message>
    <message>
        <source>connection closed before the whole response arrived</source>
        <translation>応答をすべて受け取る前に接続が閉じられました</translation>
    </message>
    <message>
        <source>not an HTTP address: %@</source>
        <translation>HTTP アドレスではありません: %@</translation>
    </message>
    <message>
        <source>not an HTTP address</source>
        <translation>HTTP アドレスではありません</translation>
    </message>
    <message>
        <source>response larger than %@</source>
        <translation>応答が %@ を超えています</translation>
    </message>
    <message>
        <source>timed out after %@ s</source>
        <translation>%@ 秒後にタイムアウトしました</translation>
    </message>
    <message>
        <source>HTTP %@</source>
        <translation>HTTP %@</translation>
    </message>
    <message>
        <source>cannot write %@</source>
        <translation>%@ に書き込めません</translation>
    </message>
    <message>
        <source>another program kept %@ locked</source>
        <translation>別のプログラムが %@ をロックしたままでした</translation>
    </message>
    <message>
        <source>cannot lock %@</source>
        <translation>%@ をロックできません</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>larger than 1 MiB</source>
        <translation>1 MiB を超えています</translation>
    </message>
    <message>
        <source>ignoring the settings in %@</source>
        <translation>%@ の設定を無視します</translation>
    </message>
    <message>
        <source>unknown currency: %@</source>
        <translation>不明な通貨: %@</translation>
    </message>
    <message>
        <source>already visible: %@</source>
        <translation>すでに表示されています: %@</translation>
    </message>
    <message>
        <source>not a visible currency: %@</source>
        <translation>表示している通貨ではありません: %@</translation>
    </message>
    <message>
        <source>%@ (fixed)</source>
        <translation>%@ (固定)</translation>
    </message>
    <message>
        <source>Follows location: %@</source>
        <translation>位置情報に従う: %@</translation>
    </message>
    <message>
        <source>Add Currency</source>
        <translation>通貨を追加</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>Available Currencies</source>
        <translation>利用できる通貨</translation>
    </message>
    <message>
        <source>CAMBIO_RATES_URL names this server for this session.</source>
        <translation>CAMBIO_RATES_URL がこのセッションのサーバーを指定しています。</translation>
    </message>
    <message>
        <source>Cambio and cambio-cli ask this server for new rates. Leave it empty for the server of this computer.</source>
        <translation>Cambio と cambio-cli はこのサーバーに新しいレートを問い合わせます。このコンピューターのサーバーを使うには空欄にしてください。</translation>
    </message>
    <message>
        <source>Change Main Currency</source>
        <translation>基準通貨を変更</translation>
    </message>
    <message>
        <source>Change Number Format</source>
        <translation>数値の形式を変更</translation>
    </message>
    <message>
        <source>Change…</source>
        <translation>変更…</translation>
    </message>
    <message>
        <source>Choose a currency to add to the converter.</source>
        <translation>換算ツールに追加する通貨を選んでください。</translation>
    </message>
    <message>
        <source>Choose how amounts are written.</source>
        <translation>金額の書き方を選んでください。</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>選択</translation>
    </message>
    <message>
        <source>Drag a currency, or press Alt+Up or Alt+Down, to change the order.</source>
        <translation>順番を変えるには、通貨をドラッグするか Alt+↑ または Alt+↓ を押してください。</translation>
    </message>
    <message>
        <source>Follow Location</source>
        <translation>位置情報に従う</translation>
    </message>
    <message>
        <source>Follow the computer’s location</source>
        <translation>コンピューターの位置情報に従う</translation>
    </message>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>Main Currency</source>
        <translation>基準通貨</translation>
    </message>
    <message>
        <source>Main currency:</source>
        <translation>基準通貨:</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>下へ移動</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>上へ移動</translation>
    </message>
    <message>
        <source>Number Format</source>
        <translation>数値の形式</translation>
    </message>
    <message>
        <source>Number Formats</source>
        <translation>数値の形式</translation>
    </message>
    <message>
        <source>Number format:</source>
        <translation>数値の形式:</translation>
    </message>
    <message>
        <source>Amounts look like %@</source>
        <translation>金額の表示例: %@</translation>
    </message>
    <message>
        <source>Panes</source>
        <translation>パネル</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Rates Server</source>
        <translation>レートサーバー</translation>
    </message>
    <message>
        <source>Rates server:</source>
        <translation>レートサーバー:</translation>
    </message>
    <message>
        <source>Rates</source>
        <translation>レート</translation>
    </message>
    <message>
        <source>Rates:</source>
        <translation>レート:</translation>
    </message>
    <message>
        <source>Refresh Now</source>
        <translation>今すぐ更新</translation>
    </message>
    <message>
        <source>Remove Currency</source>
        <translation>通貨を削除</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>デフォルトに戻す</translation>
    </message>
    <message>
        <source>Search Currencies</source>
        <translation>通貨を検索</translation>
    </message>
    <message>
        <source>Search Number Formats</source>
        <translation>数値の形式を検索</translation>
    </message>
    <message>
        <source>Search by code or name</source>
        <translation>コードまたは名前で検索</translation>
    </message>
    <message>
        <source>Search by language or region</source>
        <translation>言語または地域で検索</translation>
    </message>
    <message>
        <source>System (%@)</source>
        <translation>システム (%@)</translation>
    </message>
    <message>
        <source>The change could not be saved: %@</source>
        <translation>変更を保存できませんでした: %@</translation>
    </message>
    <message>
        <source>The converter shows these currencies under the main one, in this order.</source>
        <translation>換算ツールは、これらの通貨をこの順番で基準通貨の下に表示します。</translation>
    </message>
    <message>
        <source>The main currency stands at the top of the converter.</source>
        <translation>基準通貨は換算ツールの一番上に表示されます。</translation>
    </message>
    <message>
        <source>Visible Currencies</source>
        <translation>表示する通貨</translation>
    </message>
    <message>
        <source>When the computer is in another country, Cambio offers to make that country’s currency the main one.</source>
        <translation>コンピューターが別の国にあるとき、Cambio はその国の通貨を基準通貨にすることを提案します。</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>送信</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>フィードバックを送信</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>メール</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>メッセージ</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名前:</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>メール:</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>メッセージ:</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>必須</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>任意</translation>
    </message>
    <message>
        <source>Sending…</source>
        <translation>送信中…</translation>
    </message>
    <message>
        <source>Please enter your e-mail address.</source>
        <translation>メールアドレスを入力してください。</translation>
    </message>
    <message>
        <source>This e-mail address is not complete.</source>
        <translation>このメールアドレスは不完全です。</translation>
    </message>
    <message>
        <source>Please write a message.</source>
        <translation>メッセージを書いてください。</translation>
    </message>
    <message>
        <source>Your message could not be saved: %@</source>
        <translation>メッセージを保存できませんでした: %@</translation>
    </message>
    <message>
        <source>Thank you for your feedback.</source>
        <translation>フィードバックをありがとうございます。</translation>
    </message>
    <message>
        <source>Your feedback could not be sent.</source>
        <translation>フィードバックを送信できませんでした。</translation>
    </message>
    <message>
        <source>It has been sent.</source>
        <translation>送信しました。</translation>
    </message>
    <message>
        <source>Send Report</source>
        <translation>レポートを送信</translation>
    </message>
    <message>
        <source>Don&apos;t Send</source>
        <translation>送信しない</translation>
    </message>
    <message>
        <source>Always Send</source>
        <translation>常に送信</translation>
    </message>
    <message>
        <source>The crash report could not be sent.</source>
        <translation>クラッシュレポートを送信できませんでした。</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>共有</translation>
    </message>
    <message>
        <source>Sharing</source>
        <translation>共有</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>クリップボードにコピー</translation>
    </message>
    <message>
        <source>Save Picture…</source>
        <translation>画像を保存…</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>画像を保存</translation>
    </message>
    <message>
        <source>The picture could not be saved as %@.</source>
        <translation>画像を %@ として保存できませんでした。</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>メール</translation>
    </message>
    <message>
        <source>The e-mail could not be prepared.</source>
        <translation>メールを準備できませんでした。</translation>
    </message>
    <message>
        <source>The mail program could not be opened.</source>
        <translation>メールプログラムを開けませんでした。</translation>
    </message>
    <message>
        <source>FeedbackIntroduction</source>
        <translation>気に入っている点、足りない点、うまくいかなかった点をお知らせください。</translation>
    </message>
    <message>
        <source>FeedbackKeptInformativeText</source>
        <translation>メッセージはフォルダー %@ に保管されています。</translation>
    </message>
    <message>
        <source>FeedbackNotSentInformativeText</source>
        <translation>メッセージは %@ に保存されています。理由:</translation>
    </message>
    <message>
        <source>CrashReportAlertMessage</source>
        <translation>前回の実行時に Cambio が予期せず終了しました。</translation>
    </message>
    <message>
        <source>CrashReportAlertInformativeText</source>
        <translation>これについてのレポートを %@ に送信しますか? レポートには停止時にプログラムが何をしていたかが記録されており、入力した内容は含まれません。</translation>
    </message>
    <message>
        <source>CrashReportKeptInformativeText</source>
        <translation>発生した問題のレポートはこのコンピューターのフォルダー %@ に保管されています。どこにも送信されません: レポートの送信先アドレスが設定されていません。</translation>
    </message>
    <message>
        <source>CrashReportNotSentInformativeText</source>
        <translation>レポートは %@ に残り、次回の起動時にもう一度送信を提案します。理由:</translation>
    </message>
    <message>
        <source>AboutDataLicences</source>
        <translation>Cambio に付属のレートは fawazahmed0/exchange-api の通貨 API (CC0 1.0) から取得しています。国境は country-coder (ISC ライセンス、「%@」を参照) から取得しています。国旗は Debian の iso-flags-svg (パブリックドメイン) です。ビットコイン、カリブ・ギルダー、ジンバブエ・ゴールドの旗は Cambio 独自のものです。</translation>
    </message>
    <message>
        <source>FeedbackDestinationComputer</source>
        <translation>メッセージはこのコンピューターのフォルダー %@ に保管されます。どこにも送信されません: フィードバックの送信先アドレスが設定されていません。</translation>
    </message>
    <message>
        <source>FeedbackDestinationAddress</source>
        <translation>メッセージは %@ に送信され、コピーがこのコンピューターに保管されます。</translation>
    </message>
    <message>
        <source>There is no amount to paste.</source>
        <translation>貼り付ける金額がありません。</translation>
    </message>
    <message>
        <source>Only one amount can be pasted at a time.</source>
        <translation>一度に貼り付けられる金額は 1 つだけです。</translation>
    </message>
    <message>
        <source>“%@” is not an amount.</source>
        <translation>「%@」は金額ではありません。</translation>
    </message>
    <message>
        <source>Amounts have at most %@ digits before the decimal separator.</source>
        <translation>金額の整数部は最大 %@ 桁です。</translation>
    </message>
    <message>
        <source>“%@” stands for more than one currency here.</source>
        <translation>「%@」はここでは複数の通貨を表します。</translation>
    </message>
    <message>
        <source>“%@” names more than one currency.</source>
        <translation>「%@」は複数の通貨を指しています。</translation>
    </message>
    <message>
        <source>%@ is not among the currencies shown.</source>
        <translation>%@ は表示中の通貨にありません。</translation>
    </message>
    <message>
        <source>CrashReportNotPutAsideInformativeText</source>
        <translation>レポートは新しいレポートと共に %@ に残り、次回の起動時にもう一度送信を提案します。理由:</translation>
    </message>
    <message>
        <source>FeedbackNotMovedInformativeText</source>
        <translation>メッセージは未送信のメッセージと共に %@ に残ります。理由:</translation>
    </message>
    <message>
        <source>The crash report could not be put aside.</source>
        <translation>クラッシュレポートを退避できませんでした。</translation>
    </message>
    <message>
        <source>cannot make the folder %@</source>
        <translation>フォルダー %@ を作成できません</translation>
    </message>
    <message>
        <source>Rates are %@ old</source>
        <translation>レートは%@前のものです</translation>
    </message>
    <message>
        <source>rates of %@</source>
        <translation>%@のレート</translation>
    </message>
    <message>
        <source>redirect to %@ refused</source>
        <translation>%@ へのリダイレクトを拒否しました</translation>
    </message>
    <message>
        <source>a redirect loop</source>
        <translation>リダイレクトがループしています</translation>
    </message>
    <message>
        <source>it leaves HTTPS</source>
        <translation>HTTPS ではなくなります</translation>
    </message>
    <message>
        <source>more than %@ redirects</source>
        <translation>リダイレクトが %@ 回を超えました</translation>
    </message>
    <message>
        <source>HTTP %@ without a target</source>
        <translation>転送先のない HTTP %@</translation>
    </message>
    <message>
        <source>the answer's compression is damaged or would inflate beyond any limit</source>
        <translation>応答の圧縮が壊れているか、展開すると上限を超えます</translation>
    </message>
    <message>
        <source>TLS handshake failed: %@</source>
        <translation>TLS ハンドシェイクに失敗しました: %@</translation>
    </message>
    <message>
        <source>Usage: %@</source>
        <translation>使用法: %@</translation>
    </message>
    <message>
        <source>Converts amounts with Cambio's rates and changes the currencies the converter shows. Amounts are read and written in the current locale; currency codes in any case.</source>
        <translation>Cambio のレートで金額を換算し、換算ツールに表示する通貨を変更します。金額は現在のロケールで読み書きし、通貨コードは大文字でも小文字でも構いません。</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>コマンド:</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>オプション:</translation>
    </message>
    <message>
        <source>AMOUNT in FROM converted into each TO, or into every row of the converter</source>
        <translation>FROM の AMOUNT を各 TO に、または換算ツールのすべての行に換算した結果</translation>
    </message>
    <message>
        <source>the conversions that the desktop's search shows for TEXT, such as “100 usd in eur” or “5 usd + 2 gbp in eur, jpy”</source>
        <translation>デスクトップ検索が TEXT に対して表示する換算 (例:「100 usd in eur」、「5 usd + 2 gbp in eur, jpy」)</translation>
    </message>
    <message>
        <source>the copied summary of every row for AMOUNT in FROM (the main currency when FROM is not given)</source>
        <translation>FROM の AMOUNT に対する全行のコピー用の要約 (FROM を省略すると基準通貨)</translation>
    </message>
    <message>
        <source>every currency of the rates with its name; --available: only those not shown yet; --filter: only those that TEXT finds</source>
        <translation>レートにあるすべての通貨とその名前。--available: まだ表示していない通貨のみ。--filter: TEXT で見つかる通貨のみ</translation>
    </message>
    <message>
        <source>the currencies the converter shows, after the change if one is given</source>
        <translation>換算ツールが表示する通貨 (変更を指定した場合は変更後)</translation>
    </message>
    <message>
        <source>the main currency, after fixing it to CODE or letting it follow the computer's country</source>
        <translation>基準通貨 (CODE に固定するか、コンピューターの国に合わせるように設定した後)</translation>
    </message>
    <message>
        <source>fetches the latest rates from the rates server</source>
        <translation>レートサーバーから最新のレートを取得します</translation>
    </message>
    <message>
        <source>the date of the rates, then each currency's rates from and to the US dollar; their age goes to stderr</source>
        <translation>レートの日付と、各通貨の米ドルに対する双方向のレート。レートの古さは stderr に出力</translation>
    </message>
    <message>
        <source>use the locale ID for amounts (for example de_DE, or ar_EG@numbers=latn for the digits 0 to 9) instead of the current one</source>
        <translation>金額に現在のロケールではなくロケール ID を使う (例: de_DE、数字 0〜9 を使う ar_EG@numbers=latn)</translation>
    </message>
    <message>
        <source>no warning on stderr that the rates are old</source>
        <translation>レートが古いという警告を stderr に出さない</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>この使い方を表示して終了する</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>バージョン情報を表示して終了する</translation>
    </message>
    <message>
        <source>Exit status: 0 when done, 1 when the operation failed, 2 for a bad command line.</source>
        <translation>終了ステータス: 成功時は 0、操作に失敗した場合は 1、コマンドラインが正しくない場合は 2。</translation>
    </message>
    <message>
        <source>%@ takes no value</source>
        <translation>%@ は値を取りません</translation>
    </message>
    <message>
        <source>%@ needs a value</source>
        <translation>%@ には値が必要です</translation>
    </message>
    <message>
        <source>unknown option: %@</source>
        <translation>不明なオプション: %@</translation>
    </message>
    <message>
        <source>%1 takes no arguments: %2</source>
        <translation>%1 は引数を取りません: %2</translation>
    </message>
    <message>
        <source>no command given (see cambio-cli --help)</source>
        <translation>コマンドが指定されていません (cambio-cli --help を参照)</translation>
    </message>
    <message>
        <source>%1 takes no option %2</source>
        <translation>%1 はオプション %2 を取りません</translation>
    </message>
    <message>
        <source>unknown command: %@ (see cambio-cli --help)</source>
        <translation>不明なコマンド: %@ (cambio-cli --help を参照)</translation>
    </message>
    <message>
        <source>not an amount: %@</source>
        <translation>金額ではありません: %@</translation>
    </message>
    <message>
        <source>convert needs an amount and a currency: %@</source>
        <translation>convert には金額と通貨が必要です: %@</translation>
    </message>
    <message>
        <source>query needs a text: %@</source>
        <translation>query にはテキストが必要です: %@</translation>
    </message>
    <message>
        <source>not a conversion: %@</source>
        <translation>換算ではありません: %@</translation>
    </message>
    <message>
        <source>no usable rate for %@ in the rates in force</source>
        <translation>現在のレートに %@ の使用できるレートがありません</translation>
    </message>
    <message>
        <source>amount too large to convert into %@</source>
        <translation>金額が大きすぎて %@ に換算できません</translation>
    </message>
    <message>
        <source>summary needs an amount: %@</source>
        <translation>summary には金額が必要です: %@</translation>
    </message>
    <message>
        <source>no main currency is in force; give FROM or fix one with: %@</source>
        <translation>基準通貨が設定されていません。FROM を指定するか、次のコマンドで設定してください: %@</translation>
    </message>
    <message>
        <source>currencies takes no currency: %@</source>
        <translation>currencies は通貨を取りません: %@</translation>
    </message>
    <message>
        <source>visible takes one of: %@</source>
        <translation>visible は次のいずれかを取ります: %@</translation>
    </message>
    <message>
        <source>main takes one currency or --auto: %@</source>
        <translation>main は通貨 1 つか --auto を取ります: %@</translation>
    </message>
    <message>
        <source>update takes no arguments</source>
        <translation>update は引数を取りません</translation>
    </message>
    <message>
        <source>the rates were not updated</source>
        <translation>レートは更新されませんでした</translation>
    </message>
    <message>
        <source>no rates: neither the rates file nor the program's own copy can be read</source>
        <translation>レートがありません: レートファイルもプログラム自身のコピーも読み込めません</translation>
    </message>
    <message>
        <source>the rates file's entry for %@ is unusable; the program's own rates are shown</source>
        <translation>レートファイルの %@ の項目は使用できません。プログラム自身のレートを表示しています</translation>
    </message>
    <message>
        <source>the rates file's entry for %@ is unusable and left out</source>
        <translation>レートファイルの %@ の項目は使用できないため除外しました</translation>
    </message>
    <message>
        <source>cannot write the output</source>
        <translation>出力を書き込めません</translation>
    </message>
    <message>
        <source>cannot write the output: %@</source>
        <translation>出力を書き込めません: %@</translation>
    </message>
    <message>
        <source>no locale given</source>
        <translation>ロケールが指定されていません</translation>
    </message>
    <message>
        <source>unknown locale: %@</source>
        <translation>不明なロケール: %@</translation>
    </message>
    <message>
        <source>no decimal numbering system: %@</source>
        <translation>10 進の記数法ではありません: %@</translation>
    </message>
    <message>
        <source>locale keyword not supported: %@ (numbers and currency are)</source>
        <translation>ロケールのキーワードはサポートされていません: %@ (numbers と currency はサポート)</translation>
    </message>
    <message>
        <source>Rates are %1 old: %2</source>
        <translation>レートは%1前のものです: %2</translation>
    </message>
    <message>
        <source>Rates are %@ old: the rates server has no newer rates</source>
        <translation>レートは%@前のものです: レートサーバーに新しいレートがありません</translation>
    </message>
    <message>
        <source>Serves exchange rates to Cambio at %1, gathered from the European Central Bank and the community currency API, and each source's state at %2.</source>
        <translation>欧州中央銀行とコミュニティの通貨 API から集めた為替レートを %1 で、各ソースの状態を %2 で Cambio に提供します。</translation>
    </message>
    <message>
        <source>Every option but --once may also be set in %@, one “name = value” line each; the command line wins.</source>
        <translation>--once 以外のオプションは %@ にも「name = value」の形で 1 行ずつ設定できます。コマンドラインの指定が優先されます。</translation>
    </message>
    <message>
        <source>where to listen (default %1; %2 for IPv6)</source>
        <translation>待ち受けるアドレス (既定値 %1。IPv6 では %2)</translation>
    </message>
    <message>
        <source>the central bank's daily reference rates (XML); %@ turns them off</source>
        <translation>中央銀行の日次参照レート (XML)。%@ で無効化</translation>
    </message>
    <message>
        <source>the currency API's dollar table (JSON); repeat for fallbacks; %@ turns it off</source>
        <translation>通貨 API のドル建て表 (JSON)。代替先を指定するには繰り返す。%@ で無効化</translation>
    </message>
    <message>
        <source>the table for currencies no live source has: a rates document or a JSON answer (default: the converter's own seed)</source>
        <translation>どのライブソースにもない通貨の表: レート文書または JSON 応答 (既定値: 換算ツール自身の初期レート)</translation>
    </message>
    <message>
        <source>where the last good table is kept (default %@)</source>
        <translation>最後の正常な表を保存する場所 (既定値 %@)</translation>
    </message>
    <message>
        <source>how old the newest rates may be for the table to count as current (default %1; at most %2, ten years)</source>
        <translation>表が最新と見なされるための最新レートの古さの上限 (既定値 %1。最大 %2、10 年)</translation>
    </message>
    <message>
        <source>exit after that long without a request, for socket activation (default 0: never; at most %@, about 24 days)</source>
        <translation>リクエストがこの時間なければ終了する (ソケットアクティベーション用。既定値 0: 終了しない。最大 %@、約 24 日)</translation>
    </message>
    <message>
        <source>fetch once, write the table to FILE as JSON and exit; exit status 1 when no live source answered</source>
        <translation>1 回だけ取得し、表を JSON として FILE に書き込んで終了する。どのライブソースも応答しなかった場合の終了ステータスは 1</translation>
    </message>
    <message>
        <source>not a setting: %@</source>
        <translation>設定項目ではありません: %@</translation>
    </message>
    <message>
        <source>%1 needs an http or https URL: %2</source>
        <translation>%1 には http または https の URL が必要です: %2</translation>
    </message>
    <message>
        <source>%1 needs a whole number of seconds from %2 to %3: %4</source>
        <translation>%1 には %2 から %3 までの整数の秒数が必要です: %4</translation>
    </message>
    <message>
        <source>unexpected argument: %@</source>
        <translation>予期しない引数: %@</translation>
    </message>
    <message>
        <source>%1 needs %2, like %3: %4</source>
        <translation>%1 には %2 が必要です (例: %3): %4</translation>
    </message>
    <message>
        <source>%@ needs a file</source>
        <translation>%@ にはファイルが必要です</translation>
    </message>
    <message>
        <source>%@ (see cambio-ratesd --help)</source>
        <translation>%@ (cambio-ratesd --help を参照)</translation>
    </message>
    <message>
        <source>History</source>
        <translation>履歴</translation>
    </message>
    <message>
        <source>1 &amp;Month</source>
        <translation>1か月(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;3 Months</source>
        <translation>3か月(&amp;3)</translation>
    </message>
    <message>
        <source>1 &amp;Year</source>
        <translation>1年(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;5 Years</source>
        <translation>5年(&amp;5)</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>すべて(&amp;A)</translation>
    </message>
    <message>
        <source>Downloading…</source>
        <translation>ダウンロード中…</translation>
    </message>
    <message>
        <source>The download failed: %@. Shown are the rates kept on this computer.</source>
        <translation>ダウンロードできませんでした: %@。このコンピューターに保存されているレートを表示しています。</translation>
    </message>
    <message>
        <source>No rates are kept for this range.</source>
        <translation>この期間のレートは保存されていません。</translation>
    </message>
    <message>
        <source>%1 per %2</source>
        <translation>%2あたりの%1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%2の%1</translation>
    </message>
    <message>
        <source>over one month</source>
        <translation>過去1か月間</translation>
    </message>
    <message>
        <source>over three months</source>
        <translation>過去3か月間</translation>
    </message>
    <message>
        <source>over one year</source>
        <translation>過去1年間</translation>
    </message>
    <message>
        <source>over five years</source>
        <translation>過去5年間</translation>
    </message>
    <message>
        <source>since %@</source>
        <translation>%@以降</translation>
    </message>
    <message>
        <source>%1: no rates are kept.</source>
        <translation>%1: 保存されたレートはありません。</translation>
    </message>
    <message>
        <source>%1: only %2, on %3.</source>
        <translation>%1: %3の%2のみ。</translation>
    </message>
    <message>
        <source>%1: from %2 to %3, low %4 on %5, high %6 on %7.</source>
        <translation>%1: %2 から %3 へ、最低値 %4（%5）、最高値 %6（%7）。</translation>
    </message>
    <message>
        <source>No rates before %@.</source>
        <translation>%@より前のレートはありません。</translation>
    </message>
    <message>
        <source>No rates after %@.</source>
        <translation>%@より後のレートはありません。</translation>
    </message>
    <message>
        <source>No rates from %1 to %2.</source>
        <translation>%1から%2までのレートはありません。</translation>
    </message>
    <message>
        <source>Change: %1 (%2)</source>
        <translation>変動: %1（%2）</translation>
    </message>
    <message>
        <source>Low: %1 on %2</source>
        <translation>最低値: %1（%2）</translation>
    </message>
    <message>
        <source>High: %1 on %2</source>
        <translation>最高値: %1（%2）</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>the rate history is kept in memory only, %@ cannot be used</source>
        <translation>レートの履歴はメモリーにのみ保持されます。%@ は使用できません</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>it holds the tables of another program</source>
        <translation>別のプログラムのテーブルが含まれています</translation>
    </message>
    <message>
        <source>its schema is of version %@</source>
        <translation>スキーマのバージョンが %@ です</translation>
    </message>
    <message>
        <source>the rate history is begun anew, the old file is kept as %@</source>
        <translation>レートの履歴を新しく始めます。古いファイルは %@ として残してあります</translation>
    </message>
    <message>
        <source>the rates could not be kept</source>
        <translation>レートを保存できませんでした</translation>
    </message>
    <message>
        <source>the answer holds no history of the currencies asked for</source>
        <translation>応答に要求した通貨の履歴がありません</translation>
    </message>
    <message>
        <source>cannot download the rate history from %@</source>
        <translation>%@ からレートの履歴をダウンロードできません</translation>
    </message>
    <message>
        <source>%1 per %2 from %3 to %4: %5 to %6, low %7 on %8, high %9 on %10, change %11 (%12)</source>
        <translation>%2あたりの%1（%3〜%4）：%5 → %6、最安値 %7（%8）、最高値 %9（%10）、変動 %11（%12）</translation>
    </message>
    <message>
        <source>showing the rates kept on this computer</source>
        <translation>このコンピューターに保存されたレートを表示します</translation>
    </message>
    <message>
        <source>how many AGAINST (the main currency unless given) one CODE was worth each day, then the low, the high and the change; the last 30 days unless told, at most 10 years; dates as YYYY-MM-DD; --csv for spreadsheets</source>
        <translation>各日に 1 CODE が何 AGAINST (省略時は基準通貨) に相当したか、続いて最安値・最高値・変化; 省略時は直近 30 日、最長 10 年; 日付は YYYY-MM-DD; 表計算ソフト向けには --csv</translation>
    </message>
    <message>
        <source>the answer is not what was asked for</source>
        <translation>応答が要求したものではありません</translation>
    </message>
    <message>
        <source>the central bank's full history (XML), taken into the history once; %@ turns that off</source>
        <translation>中央銀行の全履歴 (XML)。一度だけ履歴に取り込みます。%@ で無効</translation>
    </message>
    <message>
        <source>history needs a currency: %@</source>
        <translation>history には通貨が必要です: %@</translation>
    </message>
    <message>
        <source>history needs two different currencies: %@</source>
        <translation>history には異なる2つの通貨が必要です: %@</translation>
    </message>
    <message>
        <source>--days cannot go with --from or --to</source>
        <translation>--days は --from や --to と一緒に使えません</translation>
    </message>
    <message>
        <source>--days needs a number of days: %@</source>
        <translation>--days には日数が必要です: %@</translation>
    </message>
    <message>
        <source>not a date (YYYY-MM-DD): %@</source>
        <translation>日付ではありません (YYYY-MM-DD): %@</translation>
    </message>
    <message>
        <source>--to needs --from</source>
        <translation>--to には --from が必要です</translation>
    </message>
    <message>
        <source>the first day comes after the last: %1 to %2</source>
        <translation>最初の日が最後の日より後です: %1 から %2</translation>
    </message>
    <message>
        <source>more than %1 years at once: %2 to %3</source>
        <translation>一度に %1 年を超えています: %2 から %3</translation>
    </message>
    <message>
        <source>no rates of %1 against %2 from %3 to %4</source>
        <translation>%3 から %4 までの %2 に対する %1 のレートはありません</translation>
    </message>
</context>
</TS>
