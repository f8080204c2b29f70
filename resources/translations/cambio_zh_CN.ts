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
        <source>cannot update the rates from %@</source>
        <translation>无法从 %@ 更新汇率</translation>
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
        <source>the rates server has no newer rates</source>
        <translation>汇率服务器没有更新的汇率</translation>
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
        <source>the answer is not what was asked for</source>
        <translation>响应不是所请求的内容</translation>
    </message>
</context>
</TS>
