<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>Cambio</name>
    <message>
        <source>Updating…</source>
        <translation>正在更新…</translation>
    </message>
    <message>
        <source>Updated %@</source>
        <translation>更新于 %@</translation>
    </message>
    <message>
        <source>LocationChangedAlertMessage</source>
        <translation>将 %@ 设为主货币吗？</translation>
    </message>
    <message>
        <source>LocationChangedAlertInformativeText</source>
        <translation>您的电脑现在似乎位于另一个国家。Cambio 可以在第一行显示该国的货币。</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>更改</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>SharingFullTitle</source>
        <translation>Cambio – 您桌面上的货币换算器</translation>
    </message>
    <message>
        <source>Currencies</source>
        <translation>货币</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>菜单</translation>
    </message>
    <message>
        <source>Refresh Rates</source>
        <translation>刷新汇率</translation>
    </message>
    <message>
        <source>Reset Amounts</source>
        <translation>重置金额</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
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
        <translation>复制</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>全部复制</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>首选项…</translation>
    </message>
    <message>
        <source>Send Feedback…</source>
        <translation>发送反馈…</translation>
    </message>
    <message>
        <source>About Cambio</source>
        <translation>关于 Cambio</translation>
    </message>
    <message>
        <source>Quit Cambio</source>
        <translation>退出 Cambio</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>版本 %@</translation>
    </message>
    <message>
        <source>Rates of %@</source>
        <translation>汇率：%@</translation>
    </message>
    <message>
        <source>Rates not updated</source>
        <translation>汇率未更新</translation>
    </message>
    <message>
        <source>The main currency could not be changed.</source>
        <translation>无法更改主货币。</translation>
    </message>
    <message>
        <source>cannot update the rates from %1: %2</source>
        <translation>无法从 %1 更新汇率：%2</translation>
    </message>
    <message>
        <source>the new rates could not be stored in %@</source>
        <translation>无法将新汇率保存到 %@</translation>
    </message>
    <message>
        <source>the answer is not JSON: %@</source>
        <translation>响应不是 JSON：%@</translation>
    </message>
    <message>
        <source>the answer is not a JSON object of rates</source>
        <translation>响应不是汇率的 JSON 对象</translation>
    </message>
    <message>
        <source>the answer holds no usable rate</source>
        <translation>响应中没有可用的汇率</translation>
    </message>
    <message>
        <source>connection refused</source>
        <translation>连接被拒绝</translation>
    </message>
    <message>
        <source>a module cannot be loaded: %@</source>
        <translation>无法加载模块：%@</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG 图像 (*.png)</translation>
    </message>
    <message>
        <source>host %@ not found</source>
        <translation>找不到主机 %@</translation>
    </message>
    <message>
        <source>connection closed before the whole response arrived</source>
        <translation>在收到完整响应之前连接已关闭</translation>
    </message>
    <message>
        <source>not an HTTP address: %@</source>
        <translation>不是 HTTP 地址：%@</translation>
    </message>
    <message>
        <source>not an HTTP address</source>
        <translation>不是 HTTP 地址</translation>
    </message>
    <message>
        <source>response larger than %@</source>
        <translation>响应大于 %@</translation>
    </message>
    <message>
        <source>timed out after %@ s</source>
        <translation>%@ 秒后超时</translation>
    </message>
    <message>
        <source>HTTP %@</source>
        <translation>HTTP %@</translation>
    </message>
    <message>
        <source>cannot write %@</source>
        <translation>无法写入 %@</translation>
    </message>
    <message>
        <source>another program kept %@ locked</source>
        <translation>另一个程序一直锁定着 %@</translation>
    </message>
    <message>
        <source>cannot lock %@</source>
        <translation>无法锁定 %@</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>不是普通文件</translation>
    </message>
    <message>
        <source>larger than 1 MiB</source>
        <translation>大于 1 MiB</translation>
    </message>
    <message>
        <source>ignoring the settings in %@</source>
        <translation>忽略 %@ 中的设置</translation>
    </message>
    <message>
        <source>unknown currency: %@</source>
        <translation>未知货币：%@</translation>
    </message>
    <message>
        <source>already visible: %@</source>
        <translation>已显示：%@</translation>
    </message>
    <message>
        <source>not a visible currency: %@</source>
        <translation>不是显示的货币：%@</translation>
    </message>
    <message>
        <source>%@ (fixed)</source>
        <translation>%@（固定）</translation>
    </message>
    <message>
        <source>Follows location: %@</source>
        <translation>跟随位置：%@</translation>
    </message>
    <message>
        <source>Add Currency</source>
        <translation>添加货币</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Available Currencies</source>
        <translation>可用货币</translation>
    </message>
    <message>
        <source>CAMBIO_RATES_URL names this server for this session.</source>
        <translation>CAMBIO_RATES_URL 为本次会话指定了此服务器。</translation>
    </message>
    <message>
        <source>Cambio and cambio-cli ask this server for new rates. Leave it empty for the server of this computer.</source>
        <translation>Cambio 和 cambio-cli 向此服务器获取新汇率。留空则使用本机的服务器。</translation>
    </message>
    <message>
        <source>Change Main Currency</source>
        <translation>更改主货币</translation>
    </message>
    <message>
        <source>Change Number Format</source>
        <translation>更改数字格式</translation>
    </message>
    <message>
        <source>Change…</source>
        <translation>更改…</translation>
    </message>
    <message>
        <source>Choose a currency to add to the converter.</source>
        <translation>选择要添加到换算器的货币。</translation>
    </message>
    <message>
        <source>Choose how amounts are written.</source>
        <translation>选择金额的书写方式。</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>选择</translation>
    </message>
    <message>
        <source>Drag a currency, or press Alt+Up or Alt+Down, to change the order.</source>
        <translation>拖动货币，或按 Alt+上 或 Alt+下，以更改顺序。</translation>
    </message>
    <message>
        <source>Follow Location</source>
        <translation>跟随位置</translation>
    </message>
    <message>
        <source>Follow the computer’s location</source>
        <translation>跟随电脑的位置</translation>
    </message>
    <message>
        <source>General</source>
        <translation>常规</translation>
    </message>
    <message>
        <source>Main Currency</source>
        <translation>主货币</translation>
    </message>
    <message>
        <source>Main currency:</source>
        <translation>主货币：</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Number Format</source>
        <translation>数字格式</translation>
    </message>
    <message>
        <source>Number Formats</source>
        <translation>数字格式</translation>
    </message>
    <message>
        <source>Number format:</source>
        <translation>数字格式：</translation>
    </message>
    <message>
        <source>Amounts look like %@</source>
        <translation>金额显示为 %@</translation>
    </message>
    <message>
        <source>Panes</source>
        <translation>面板</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>首选项</translation>
    </message>
    <message>
        <source>Rates Server</source>
        <translation>汇率服务器</translation>
    </message>
    <message>
        <source>Rates server:</source>
        <translation>汇率服务器：</translation>
    </message>
    <message>
        <source>Rates</source>
        <translation>汇率</translation>
    </message>
    <message>
        <source>Rates:</source>
        <translation>汇率：</translation>
    </message>
    <message>
        <source>Refresh Now</source>
        <translation>立即刷新</translation>
    </message>
    <message>
        <source>Remove Currency</source>
        <translation>移除货币</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>恢复默认设置</translation>
    </message>
    <message>
        <source>Search Currencies</source>
        <translation>搜索货币</translation>
    </message>
    <message>
        <source>Search Number Formats</source>
        <translation>搜索数字格式</translation>
    </message>
    <message>
        <source>Search by code or name</source>
        <translation>按代码或名称搜索</translation>
    </message>
    <message>
        <source>Search by language or region</source>
        <translation>按语言或地区搜索</translation>
    </message>
    <message>
        <source>System (%@)</source>
        <translation>系统（%@）</translation>
    </message>
    <message>
        <source>The change could not be saved: %@</source>
        <translation>无法保存更改：%@</translation>
    </message>
    <message>
        <source>The converter shows these currencies under the main one, in this order.</source>
        <translation>换算器按此顺序在主货币下方显示这些货币。</translation>
    </message>
    <message>
        <source>The main currency stands at the top of the converter.</source>
        <translation>主货币位于换算器的顶部。</translation>
    </message>
    <message>
        <source>Visible Currencies</source>
        <translation>显示的货币</translation>
    </message>
    <message>
        <source>When the computer is in another country, Cambio offers to make that country’s currency the main one.</source>
        <translation>当电脑位于另一个国家时，Cambio 会提议将该国的货币设为主货币。</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>发送</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>发送反馈</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>姓名</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>电子邮件</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>消息</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>姓名：</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>电子邮件：</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>消息：</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>必填</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>选填</translation>
    </message>
    <message>
        <source>Sending…</source>
        <translation>正在发送…</translation>
    </message>
    <message>
        <source>Please enter your e-mail address.</source>
        <translation>请输入您的电子邮件地址。</translation>
    </message>
    <message>
        <source>This e-mail address is not complete.</source>
        <translation>此电子邮件地址不完整。</translation>
    </message>
    <message>
        <source>Please write a message.</source>
        <translation>请填写消息。</translation>
    </message>
    <message>
        <source>Your message could not be saved: %@</source>
        <translation>无法保存您的消息：%@</translation>
    </message>
    <message>
        <source>Thank you for your feedback.</source>
        <translation>感谢您的反馈。</translation>
    </message>
    <message>
        <source>Your feedback could not be sent.</source>
        <translation>无法发送您的反馈。</translation>
    </message>
    <message>
        <source>It has been sent.</source>
        <translation>已发送。</translation>
    </message>
    <message>
        <source>Send Report</source>
        <translation>发送报告</translation>
    </message>
    <message>
        <source>Don&apos;t Send</source>
        <translation>不发送</translation>
    </message>
    <message>
        <source>Always Send</source>
        <translation>总是发送</translation>
    </message>
    <message>
        <source>The crash report could not be sent.</source>
        <translation>无法发送崩溃报告。</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>分享</translation>
    </message>
    <message>
        <source>Sharing</source>
        <translation>分享</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>复制到剪贴板</translation>
    </message>
    <message>
        <source>Save Picture…</source>
        <translation>保存图片…</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>保存图片</translation>
    </message>
    <message>
        <source>The picture could not be saved as %@.</source>
        <translation>无法将图片保存为 %@。</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>电子邮件</translation>
    </message>
    <message>
        <source>The e-mail could not be prepared.</source>
        <translation>无法准备电子邮件。</translation>
    </message>
    <message>
        <source>The mail program could not be opened.</source>
        <translation>无法打开邮件程序。</translation>
    </message>
    <message>
        <source>FeedbackIntroduction</source>
        <translation>告诉我们您喜欢什么、缺少什么，或者哪里出了问题。</translation>
    </message>
    <message>
        <source>FeedbackKeptInformativeText</source>
        <translation>您的消息保存在文件夹 %@ 中。</translation>
    </message>
    <message>
        <source>FeedbackNotSentInformativeText</source>
        <translation>您的消息已保存在 %@ 中。原因：</translation>
    </message>
    <message>
        <source>CrashReportAlertMessage</source>
        <translation>Cambio 上次运行时意外退出。</translation>
    </message>
    <message>
        <source>CrashReportAlertInformativeText</source>
        <translation>是否要将相关报告发送到 %@？报告说明程序停止时正在做什么；不包含您输入的任何内容。</translation>
    </message>
    <message>
        <source>CrashReportKeptInformativeText</source>
        <translation>所发生情况的报告保存在这台电脑的文件夹 %@ 中。它不会被发送到任何地方：尚未设置接收报告的地址。</translation>
    </message>
    <message>
        <source>CrashReportNotSentInformativeText</source>
        <translation>它会保留在 %@ 中，并在下次启动时再次提供发送。原因：</translation>
    </message>
    <message>
        <source>AboutDataLicences</source>
        <translation>Cambio 附带的汇率来自 fawazahmed0/exchange-api 的货币 API（CC0 1.0）。国家边界来自 country-coder（ISC 许可证，参见“%@”）。旗帜来自 Debian 的 iso-flags-svg（公有领域）；比特币、加勒比盾和津巴布韦金的旗帜由 Cambio 自行绘制。</translation>
    </message>
    <message>
        <source>FeedbackDestinationComputer</source>
        <translation>您的消息将保存在这台电脑的文件夹 %@ 中。它不会被发送到任何地方：尚未设置接收反馈的地址。</translation>
    </message>
    <message>
        <source>FeedbackDestinationAddress</source>
        <translation>您的消息将发送到 %@，并在这台电脑上保留一份副本。</translation>
    </message>
    <message>
        <source>There is no amount to paste.</source>
        <translation>没有可粘贴的金额。</translation>
    </message>
    <message>
        <source>Only one amount can be pasted at a time.</source>
        <translation>一次只能粘贴一个金额。</translation>
    </message>
    <message>
        <source>“%@” is not an amount.</source>
        <translation>“%@”不是金额。</translation>
    </message>
    <message>
        <source>Amounts have at most %@ digits before the decimal separator.</source>
        <translation>金额的整数部分最多 %@ 位。</translation>
    </message>
    <message>
        <source>“%@” stands for more than one currency here.</source>
        <translation>“%@”在此处代表多种货币。</translation>
    </message>
    <message>
        <source>“%@” names more than one currency.</source>
        <translation>“%@”指代多种货币。</translation>
    </message>
    <message>
        <source>%@ is not among the currencies shown.</source>
        <translation>%@ 不在显示的货币中。</translation>
    </message>
    <message>
        <source>CrashReportNotPutAsideInformativeText</source>
        <translation>它会与新报告一起保留在 %@ 中，并在下次启动时再次提供发送。原因：</translation>
    </message>
    <message>
        <source>FeedbackNotMovedInformativeText</source>
        <translation>它会与尚未发送的消息一起保留在 %@ 中。原因：</translation>
    </message>
    <message>
        <source>The crash report could not be put aside.</source>
        <translation>无法将崩溃报告移到一旁。</translation>
    </message>
    <message>
        <source>cannot make the folder %@</source>
        <translation>无法创建文件夹 %@</translation>
    </message>
    <message>
        <source>Rates are %@ old</source>
        <translation>汇率已是%@前的</translation>
    </message>
    <message>
        <source>rates of %@</source>
        <translation>%@的汇率</translation>
    </message>
    <message>
        <source>redirect to %@ refused</source>
        <translation>已拒绝重定向到 %@</translation>
    </message>
    <message>
        <source>a redirect loop</source>
        <translation>重定向循环</translation>
    </message>
    <message>
        <source>it leaves HTTPS</source>
        <translation>它离开了 HTTPS</translation>
    </message>
    <message>
        <source>more than %@ redirects</source>
        <translation>重定向超过 %@ 次</translation>
    </message>
    <message>
        <source>HTTP %@ without a target</source>
        <translation>HTTP %@ 缺少目标地址</translation>
    </message>
    <message>
        <source>the answer's compression is damaged or would inflate beyond any limit</source>
        <translation>应答的压缩数据已损坏，或解压后会超出任何限制</translation>
    </message>
    <message>
        <source>TLS handshake failed: %@</source>
        <translation>TLS 握手失败：%@</translation>
    </message>
    <message>
        <source>Usage: %@</source>
        <translation>用法：%@</translation>
    </message>
    <message>
        <source>Converts amounts with Cambio's rates and changes the currencies the converter shows. Amounts are read and written in the current locale; currency codes in any case.</source>
        <translation>用 Cambio 的汇率换算金额，并更改换算器显示的货币。金额按当前区域设置读写；货币代码不区分大小写。</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>命令：</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>选项：</translation>
    </message>
    <message>
        <source>AMOUNT in FROM converted into each TO, or into every row of the converter</source>
        <translation>把 FROM 中的 AMOUNT 换算为每个 TO，或换算为换算器的每一行</translation>
    </message>
    <message>
        <source>the conversions that the desktop's search shows for TEXT, such as “100 usd in eur” or “5 usd + 2 gbp in eur, jpy”</source>
        <translation>桌面搜索为 TEXT 显示的换算结果，例如“100 usd in eur”或“5 usd + 2 gbp in eur, jpy”</translation>
    </message>
    <message>
        <source>the copied summary of every row for AMOUNT in FROM (the main currency when FROM is not given)</source>
        <translation>FROM 中 AMOUNT 对应所有行的复制摘要（未给出 FROM 时用主货币）</translation>
    </message>
    <message>
        <source>every currency of the rates with its name; --available: only those not shown yet; --filter: only those that TEXT finds</source>
        <translation>汇率中的所有货币及其名称；--available：只列出尚未显示的货币；--filter：只列出 TEXT 找到的货币</translation>
    </message>
    <message>
        <source>the currencies the converter shows, after the change if one is given</source>
        <translation>换算器显示的货币（如给出更改，则为更改后）</translation>
    </message>
    <message>
        <source>the main currency, after fixing it to CODE or letting it follow the computer's country</source>
        <translation>主货币（在固定为 CODE 或设为跟随计算机所在国家之后）</translation>
    </message>
    <message>
        <source>fetches the latest rates from the rates server</source>
        <translation>从汇率服务器获取最新汇率</translation>
    </message>
    <message>
        <source>the date of the rates, then each currency's rates from and to the US dollar; their age goes to stderr</source>
        <translation>汇率的日期，然后是每种货币与美元之间的双向汇率；汇率的时效输出到 stderr</translation>
    </message>
    <message>
        <source>use the locale ID for amounts (for example de_DE, or ar_EG@numbers=latn for the digits 0 to 9) instead of the current one</source>
        <translation>对金额使用区域设置 ID 而非当前区域设置（例如 de_DE，或使用数字 0 到 9 的 ar_EG@numbers=latn）</translation>
    </message>
    <message>
        <source>no warning on stderr that the rates are old</source>
        <translation>不在 stderr 上警告汇率已过时</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>显示此帮助信息并退出</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>显示版本信息并退出</translation>
    </message>
    <message>
        <source>Exit status: 0 when done, 1 when the operation failed, 2 for a bad command line.</source>
        <translation>退出状态：成功时为 0，操作失败时为 1，命令行有误时为 2。</translation>
    </message>
    <message>
        <source>%@ takes no value</source>
        <translation>%@ 不接受值</translation>
    </message>
    <message>
        <source>%@ needs a value</source>
        <translation>%@ 需要一个值</translation>
    </message>
    <message>
        <source>unknown option: %@</source>
        <translation>未知选项：%@</translation>
    </message>
    <message>
        <source>%1 takes no arguments: %2</source>
        <translation>%1 不接受参数：%2</translation>
    </message>
    <message>
        <source>no command given (see cambio-cli --help)</source>
        <translation>未给出命令（参见 cambio-cli --help）</translation>
    </message>
    <message>
        <source>%1 takes no option %2</source>
        <translation>%1 不接受选项 %2</translation>
    </message>
    <message>
        <source>unknown command: %@ (see cambio-cli --help)</source>
        <translation>未知命令：%@（参见 cambio-cli --help）</translation>
    </message>
    <message>
        <source>not an amount: %@</source>
        <translation>不是金额：%@</translation>
    </message>
    <message>
        <source>convert needs an amount and a currency: %@</source>
        <translation>convert 需要一个金额和一种货币：%@</translation>
    </message>
    <message>
        <source>query needs a text: %@</source>
        <translation>query 需要一段文本：%@</translation>
    </message>
    <message>
        <source>not a conversion: %@</source>
        <translation>不是换算：%@</translation>
    </message>
    <message>
        <source>no usable rate for %@ in the rates in force</source>
        <translation>现行汇率中没有 %@ 的可用汇率</translation>
    </message>
    <message>
        <source>amount too large to convert into %@</source>
        <translation>金额太大，无法换算为 %@</translation>
    </message>
    <message>
        <source>summary needs an amount: %@</source>
        <translation>summary 需要一个金额：%@</translation>
    </message>
    <message>
        <source>no main currency is in force; give FROM or fix one with: %@</source>
        <translation>没有现行的主货币；请给出 FROM，或用以下命令固定一种：%@</translation>
    </message>
    <message>
        <source>currencies takes no currency: %@</source>
        <translation>currencies 不接受货币：%@</translation>
    </message>
    <message>
        <source>visible takes one of: %@</source>
        <translation>visible 接受以下形式之一：%@</translation>
    </message>
    <message>
        <source>main takes one currency or --auto: %@</source>
        <translation>main 接受一种货币或 --auto：%@</translation>
    </message>
    <message>
        <source>update takes no arguments</source>
        <translation>update 不接受参数</translation>
    </message>
    <message>
        <source>the rates were not updated</source>
        <translation>汇率未更新</translation>
    </message>
    <message>
        <source>no rates: neither the rates file nor the program's own copy can be read</source>
        <translation>没有汇率：汇率文件和程序自带的副本都无法读取</translation>
    </message>
    <message>
        <source>the rates file's entry for %@ is unusable; the program's own rates are shown</source>
        <translation>汇率文件中 %@ 的条目不可用；显示的是程序自带的汇率</translation>
    </message>
    <message>
        <source>the rates file's entry for %@ is unusable and left out</source>
        <translation>汇率文件中 %@ 的条目不可用，已略去</translation>
    </message>
    <message>
        <source>cannot write the output</source>
        <translation>无法写入输出</translation>
    </message>
    <message>
        <source>cannot write the output: %@</source>
        <translation>无法写入输出：%@</translation>
    </message>
    <message>
        <source>no locale given</source>
        <translation>未给出区域设置</translation>
    </message>
    <message>
        <source>unknown locale: %@</source>
        <translation>未知区域设置：%@</translation>
    </message>
    <message>
        <source>no decimal numbering system: %@</source>
        <translation>不是十进制记数系统：%@</translation>
    </message>
    <message>
        <source>locale keyword not supported: %@ (numbers and currency are)</source>
        <translation>不支持的区域设置关键字：%@（支持 numbers 和 currency）</translation>
    </message>
    <message>
        <source>Rates are %1 old: %2</source>
        <translation>汇率已是%1前的：%2</translation>
    </message>
    <message>
        <source>Rates are %@ old: the rates server has no newer rates</source>
        <translation>汇率已是%@前的：汇率服务器没有更新的汇率</translation>
    </message>
    <message>
        <source>Serves exchange rates to Cambio at %1, gathered from the European Central Bank and the community currency API, and each source's state at %2.</source>
        <translation>在 %1 向 Cambio 提供从欧洲中央银行和社区货币 API 收集的汇率，并在 %2 提供每个来源的状态。</translation>
    </message>
    <message>
        <source>Every option but --once may also be set in %@, one “name = value” line each; the command line wins.</source>
        <translation>除 --once 外的每个选项也可以在 %@ 中设置，每项一行“name = value”；以命令行为准。</translation>
    </message>
    <message>
        <source>where to listen (default %1; %2 for IPv6)</source>
        <translation>监听地址（默认 %1；IPv6 用 %2）</translation>
    </message>
    <message>
        <source>the central bank's daily reference rates (XML); %@ turns them off</source>
        <translation>中央银行的每日参考汇率（XML）；%@ 表示关闭</translation>
    </message>
    <message>
        <source>the currency API's dollar table (JSON); repeat for fallbacks; %@ turns it off</source>
        <translation>货币 API 的美元汇率表（JSON）；可重复给出备用地址；%@ 表示关闭</translation>
    </message>
    <message>
        <source>the table for currencies no live source has: a rates document or a JSON answer (default: the converter's own seed)</source>
        <translation>没有实时来源的货币所用的汇率表：汇率文档或 JSON 应答（默认：换算器自带的初始汇率）</translation>
    </message>
    <message>
        <source>where the last good table is kept (default %@)</source>
        <translation>保存最近一份有效汇率表的位置（默认 %@）</translation>
    </message>
    <message>
        <source>how old the newest rates may be for the table to count as current (default %1; at most %2, ten years)</source>
        <translation>汇率表仍算作最新时，最新汇率的最大时效（默认 %1；最多 %2，即十年）</translation>
    </message>
    <message>
        <source>exit after that long without a request, for socket activation (default 0: never; at most %@, about 24 days)</source>
        <translation>在这么长时间没有请求后退出，用于套接字激活（默认 0：从不；最多 %@，约 24 天）</translation>
    </message>
    <message>
        <source>fetch once, write the table to FILE as JSON and exit; exit status 1 when no live source answered</source>
        <translation>获取一次，把汇率表以 JSON 写入 FILE 后退出；没有实时来源应答时退出状态为 1</translation>
    </message>
    <message>
        <source>not a setting: %@</source>
        <translation>不是设置项：%@</translation>
    </message>
    <message>
        <source>%1 needs an http or https URL: %2</source>
        <translation>%1 需要 http 或 https URL：%2</translation>
    </message>
    <message>
        <source>%1 needs a whole number of seconds from %2 to %3: %4</source>
        <translation>%1 需要 %2 到 %3 之间的整数秒数：%4</translation>
    </message>
    <message>
        <source>unexpected argument: %@</source>
        <translation>意外的参数：%@</translation>
    </message>
    <message>
        <source>%1 needs %2, like %3: %4</source>
        <translation>%1 需要 %2，例如 %3：%4</translation>
    </message>
    <message>
        <source>%@ needs a file</source>
        <translation>%@ 需要一个文件</translation>
    </message>
    <message>
        <source>%@ (see cambio-ratesd --help)</source>
        <translation>%@（参见 cambio-ratesd --help）</translation>
    </message>
    <message>
        <source>History</source>
        <translation>历史</translation>
    </message>
    <message>
        <source>1 &amp;Month</source>
        <translation>1 个月(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;3 Months</source>
        <translation>3 个月(&amp;3)</translation>
    </message>
    <message>
        <source>1 &amp;Year</source>
        <translation>1 年(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;5 Years</source>
        <translation>5 年(&amp;5)</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>全部(&amp;A)</translation>
    </message>
    <message>
        <source>Downloading…</source>
        <translation>正在下载…</translation>
    </message>
    <message>
        <source>The download failed: %@. Shown are the rates kept on this computer.</source>
        <translation>下载失败：%@。显示的是本机保存的汇率。</translation>
    </message>
    <message>
        <source>No rates are kept for this range.</source>
        <translation>此期间没有保存的汇率。</translation>
    </message>
    <message>
        <source>%1 per %2</source>
        <translation>每%2兑%1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%2的%1</translation>
    </message>
    <message>
        <source>over one month</source>
        <translation>过去一个月</translation>
    </message>
    <message>
        <source>over three months</source>
        <translation>过去三个月</translation>
    </message>
    <message>
        <source>over one year</source>
        <translation>过去一年</translation>
    </message>
    <message>
        <source>over five years</source>
        <translation>过去五年</translation>
    </message>
    <message>
        <source>since %@</source>
        <translation>自 %@ 以来</translation>
    </message>
    <message>
        <source>%1: no rates are kept.</source>
        <translation>%1：没有保存的汇率。</translation>
    </message>
    <message>
        <source>%1: only %2, on %3.</source>
        <translation>%1：仅有 %3 的 %2。</translation>
    </message>
    <message>
        <source>%1: from %2 to %3, low %4 on %5, high %6 on %7.</source>
        <translation>%1：从 %2 到 %3，最低 %4（%5），最高 %6（%7）。</translation>
    </message>
    <message>
        <source>No rates before %@.</source>
        <translation>%@ 之前没有汇率。</translation>
    </message>
    <message>
        <source>No rates after %@.</source>
        <translation>%@ 之后没有汇率。</translation>
    </message>
    <message>
        <source>No rates from %1 to %2.</source>
        <translation>%1 至 %2 没有汇率。</translation>
    </message>
    <message>
        <source>Change: %1 (%2)</source>
        <translation>变化：%1（%2）</translation>
    </message>
    <message>
        <source>Low: %1 on %2</source>
        <translation>最低：%1（%2）</translation>
    </message>
    <message>
        <source>High: %1 on %2</source>
        <translation>最高：%1（%2）</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>the rate history is kept in memory only, %@ cannot be used</source>
        <translation>汇率历史仅保存在内存中，无法使用 %@</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>它不是普通文件</translation>
    </message>
    <message>
        <source>it holds the tables of another program</source>
        <translation>其中是另一个程序的表</translation>
    </message>
    <message>
        <source>its schema is of version %@</source>
        <translation>其结构版本为 %@</translation>
    </message>
    <message>
        <source>the rate history is begun anew, the old file is kept as %@</source>
        <translation>汇率历史已重新开始，旧文件保留为 %@</translation>
    </message>
    <message>
        <source>the rates could not be kept</source>
        <translation>无法保存汇率</translation>
    </message>
    <message>
        <source>the answer holds no history of the currencies asked for</source>
        <translation>回复中没有所请求货币的历史</translation>
    </message>
    <message>
        <source>cannot download the rate history from %@</source>
        <translation>无法从 %@ 下载汇率历史</translation>
    </message>
    <message>
        <source>%1 per %2 from %3 to %4: %5 to %6, low %7 on %8, high %9 on %10, change %11 (%12)</source>
        <translation>每 %2 兑 %1（%3 至 %4）：%5 → %6，最低 %7（%8），最高 %9（%10），变化 %11（%12）</translation>
    </message>
    <message>
        <source>showing the rates kept on this computer</source>
        <translation>显示本机保存的汇率</translation>
    </message>
    <message>
        <source>how many AGAINST (the main currency unless given) one CODE was worth each day, then the low, the high and the change; the last 30 days unless told, at most 10 years; dates as YYYY-MM-DD; --csv for spreadsheets</source>
        <translation>每天 1 CODE 值多少 AGAINST（未指定时为主货币），然后是最低、最高和变化；未指定时为最近 30 天，最多 10 年；日期格式为 YYYY-MM-DD；--csv 用于电子表格</translation>
    </message>
    <message>
        <source>the answer is not what was asked for</source>
        <translation>响应不是所请求的内容</translation>
    </message>
    <message>
        <source>the central bank's full history (XML), taken into the history once; %@ turns that off</source>
        <translation>中央银行的完整历史（XML），只导入历史一次；%@ 表示关闭</translation>
    </message>
    <message>
        <source>history needs a currency: %@</source>
        <translation>history 需要一种货币：%@</translation>
    </message>
    <message>
        <source>history needs two different currencies: %@</source>
        <translation>history 需要两种不同的货币：%@</translation>
    </message>
    <message>
        <source>--days cannot go with --from or --to</source>
        <translation>--days 不能与 --from 或 --to 同时使用</translation>
    </message>
    <message>
        <source>--days needs a number of days: %@</source>
        <translation>--days 需要天数：%@</translation>
    </message>
    <message>
        <source>not a date (YYYY-MM-DD): %@</source>
        <translation>不是日期 (YYYY-MM-DD)：%@</translation>
    </message>
    <message>
        <source>--to needs --from</source>
        <translation>--to 需要 --from</translation>
    </message>
    <message>
        <source>the first day comes after the last: %1 to %2</source>
        <translation>第一天晚于最后一天：%1 至 %2</translation>
    </message>
    <message>
        <source>more than %1 years at once: %2 to %3</source>
        <translation>一次超过 %1 年：%2 至 %3</translation>
    </message>
    <message>
        <source>no rates of %1 against %2 from %3 to %4</source>
        <translation>%3 至 %4 没有 %1 对 %2 的汇率</translation>
    </message>
</context>
</TS>
