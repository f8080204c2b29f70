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
        <source>cannot update the rates from %@</source>
        <translation>%@ からレートを更新できません</translation>
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
        <source>the rates server has no newer rates</source>
        <translation>レートサーバーに新しいレートがありません</translation>
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
        <source>the answer is not what was asked for</source>
        <translation>応答が要求したものではありません</translation>
    </message>
</context>
</TS>
