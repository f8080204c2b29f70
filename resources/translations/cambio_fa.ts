<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa_IR" sourcelanguage="en">
<context>
    <name>Cambio</name>
    <message>
        <source>Updating…</source>
        <translation>در حال به‌روزرسانی…</translation>
    </message>
    <message>
        <source>Updated %@</source>
        <translation>به‌روزشده: %@</translation>
    </message>
    <message>
        <source>LocationChangedAlertMessage</source>
        <translation>‏%@ ارز اصلی شما شود؟</translation>
    </message>
    <message>
        <source>LocationChangedAlertInformativeText</source>
        <translation>به نظر می‌رسد رایانهٔ شما اکنون در کشور دیگری است. Cambio می‌تواند ارز آن کشور را در ردیف بالا نشان دهد.</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>تغییر</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>لغو</translation>
    </message>
    <message>
        <source>SharingFullTitle</source>
        <translation>‏Cambio – مبدل ارز برای میز کار شما</translation>
    </message>
    <message>
        <source>Currencies</source>
        <translation>ارزها</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>فهرست</translation>
    </message>
    <message>
        <source>Refresh Rates</source>
        <translation>تازه‌سازی نرخ‌ها</translation>
    </message>
    <message>
        <source>Reset Amounts</source>
        <translation>بازنشانی مبلغ‌ها</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>بستن</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>کوچک کردن</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>بزرگ کردن</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>رونوشت</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>رونوشت از همه</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>چسباندن</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>ترجیحات…</translation>
    </message>
    <message>
        <source>Send Feedback…</source>
        <translation>فرستادن بازخورد…</translation>
    </message>
    <message>
        <source>About Cambio</source>
        <translation>دربارهٔ Cambio</translation>
    </message>
    <message>
        <source>Quit Cambio</source>
        <translation>خروج از Cambio</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>نگارش %@</translation>
    </message>
    <message>
        <source>Rates of %@</source>
        <translation>نرخ‌ها: %@</translation>
    </message>
    <message>
        <source>Rates not updated</source>
        <translation>نرخ‌ها به‌روز نشدند</translation>
    </message>
    <message>
        <source>The main currency could not be changed.</source>
        <translation>ارز اصلی تغییر داده نشد.</translation>
    </message>
    <message>
        <source>cannot update the rates from %1: %2</source>
        <translation>به‌روزرسانی نرخ‌ها از %1 ممکن نیست: %2</translation>
    </message>
    <message>
        <source>the new rates could not be stored in %@</source>
        <translation>نرخ‌های جدید در %@ ذخیره نشدند</translation>
    </message>
    <message>
        <source>the answer is not JSON: %@</source>
        <translation>پاسخ JSON نیست: %@</translation>
    </message>
    <message>
        <source>the answer is not a JSON object of rates</source>
        <translation>پاسخ یک شیء JSON از نرخ‌ها نیست</translation>
    </message>
    <message>
        <source>the answer holds no usable rate</source>
        <translation>پاسخ هیچ نرخ قابل‌استفاده‌ای ندارد</translation>
    </message>
    <message>
        <source>connection refused</source>
        <translation>اتصال رد شد</translation>
    </message>
    <message>
        <source>a module cannot be loaded: %@</source>
        <translation>بارگذاری یک پیمانه ممکن نیست: %@</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>تصویرهای PNG (*.png)</translation>
    </message>
    <message>
        <source>host %@ not found</source>
        <translation>میزبان %@ پیدا نشد</translation>
    </message>
    <message>
        <source>connection closed before the whole response arrived</source>
        <translation>اتصال پیش از رسیدن کامل پاسخ بسته شد</translation>
    </message>
    <message>
        <source>not an HTTP address: %@</source>
        <translation>نشانی HTTP نیست: %@</translation>
    </message>
    <message>
        <source>not an HTTP address</source>
        <translation>نشانی HTTP نیست</translation>
    </message>
    <message>
        <source>response larger than %@</source>
        <translation>پاسخ بزرگ‌تر از %@ است</translation>
    </message>
    <message>
        <source>timed out after %@ s</source>
        <translation>پس از %@ ثانیه زمان به پایان رسید</translation>
    </message>
    <message>
        <source>HTTP %@</source>
        <translation>‏HTTP %@</translation>
    </message>
    <message>
        <source>cannot write %@</source>
        <translation>نوشتن %@ ممکن نیست</translation>
    </message>
    <message>
        <source>another program kept %@ locked</source>
        <translation>برنامهٔ دیگری %@ را قفل نگه داشت</translation>
    </message>
    <message>
        <source>cannot lock %@</source>
        <translation>قفل کردن %@ ممکن نیست</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>پروندهٔ معمولی نیست</translation>
    </message>
    <message>
        <source>larger than 1 MiB</source>
        <translation>بزرگ‌تر از ۱ مبی‌بایت</translation>
    </message>
    <message>
        <source>ignoring the settings in %@</source>
        <translation>تنظیمات %@ نادیده گرفته می‌شوند</translation>
    </message>
    <message>
        <source>unknown currency: %@</source>
        <translation>ارز ناشناخته: %@</translation>
    </message>
    <message>
        <source>already visible: %@</source>
        <translation>از پیش نمایان: %@</translation>
    </message>
    <message>
        <source>not a visible currency: %@</source>
        <translation>ارز نمایان نیست: %@</translation>
    </message>
    <message>
        <source>%@ (fixed)</source>
        <translation>‏%@ (ثابت)</translation>
    </message>
    <message>
        <source>Follows location: %@</source>
        <translation>پیرو مکان: %@</translation>
    </message>
    <message>
        <source>Add Currency</source>
        <translation>افزودن ارز</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>افزودن</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>اعمال</translation>
    </message>
    <message>
        <source>Available Currencies</source>
        <translation>ارزهای موجود</translation>
    </message>
    <message>
        <source>CAMBIO_RATES_URL names this server for this session.</source>
        <translation>‏CAMBIO_RATES_URL این کارساز را برای این نشست تعیین می‌کند.</translation>
    </message>
    <message>
        <source>Cambio and cambio-cli ask this server for new rates. Leave it empty for the server of this computer.</source>
        <translation>‏Cambio و cambio-cli نرخ‌های جدید را از این کارساز می‌خواهند. برای کارساز همین رایانه خالی بگذارید.</translation>
    </message>
    <message>
        <source>Change Main Currency</source>
        <translation>تغییر ارز اصلی</translation>
    </message>
    <message>
        <source>Change Number Format</source>
        <translation>تغییر قالب اعداد</translation>
    </message>
    <message>
        <source>Change…</source>
        <translation>تغییر…</translation>
    </message>
    <message>
        <source>Choose a currency to add to the converter.</source>
        <translation>ارزی را برای افزودن به مبدل برگزینید.</translation>
    </message>
    <message>
        <source>Choose how amounts are written.</source>
        <translation>برگزینید که مبلغ‌ها چگونه نوشته شوند.</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>گزینش</translation>
    </message>
    <message>
        <source>Drag a currency, or press Alt+Up or Alt+Down, to change the order.</source>
        <translation>برای تغییر ترتیب، ارزی را بکشید یا Alt+بالا یا Alt+پایین را بزنید.</translation>
    </message>
    <message>
        <source>Follow Location</source>
        <translation>پیروی از مکان</translation>
    </message>
    <message>
        <source>Follow the computer’s location</source>
        <translation>پیروی از مکان رایانه</translation>
    </message>
    <message>
        <source>General</source>
        <translation>عمومی</translation>
    </message>
    <message>
        <source>Main Currency</source>
        <translation>ارز اصلی</translation>
    </message>
    <message>
        <source>Main currency:</source>
        <translation>ارز اصلی:</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>انتقال به پایین</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>انتقال به بالا</translation>
    </message>
    <message>
        <source>Number Format</source>
        <translation>قالب اعداد</translation>
    </message>
    <message>
        <source>Number Formats</source>
        <translation>قالب‌های اعداد</translation>
    </message>
    <message>
        <source>Number format:</source>
        <translation>قالب اعداد:</translation>
    </message>
    <message>
        <source>Amounts look like %@</source>
        <translation>مبلغ‌ها این‌گونه دیده می‌شوند: %@</translation>
    </message>
    <message>
        <source>Panes</source>
        <translation>قاب‌ها</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>ترجیحات</translation>
    </message>
    <message>
        <source>Rates Server</source>
        <translation>کارساز نرخ‌ها</translation>
    </message>
    <message>
        <source>Rates server:</source>
        <translation>کارساز نرخ‌ها:</translation>
    </message>
    <message>
        <source>Rates</source>
        <translation>نرخ‌ها</translation>
    </message>
    <message>
        <source>Rates:</source>
        <translation>نرخ‌ها:</translation>
    </message>
    <message>
        <source>Refresh Now</source>
        <translation>تازه‌سازی اکنون</translation>
    </message>
    <message>
        <source>Remove Currency</source>
        <translation>برداشتن ارز</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>بازگردانی پیش‌فرض‌ها</translation>
    </message>
    <message>
        <source>Search Currencies</source>
        <translation>جست‌وجوی ارزها</translation>
    </message>
    <message>
        <source>Search Number Formats</source>
        <translation>جست‌وجوی قالب‌های اعداد</translation>
    </message>
    <message>
        <source>Search by code or name</source>
        <translation>جست‌وجو با کد یا نام</translation>
    </message>
    <message>
        <source>Search by language or region</source>
        <translation>جست‌وجو با زبان یا منطقه</translation>
    </message>
    <message>
        <source>System (%@)</source>
        <translation>سامانه (%@)</translation>
    </message>
    <message>
        <source>The change could not be saved: %@</source>
        <translation>تغییر ذخیره نشد: %@</translation>
    </message>
    <message>
        <source>The converter shows these currencies under the main one, in this order.</source>
        <translation>مبدل این ارزها را زیر ارز اصلی، به همین ترتیب نشان می‌دهد.</translation>
    </message>
    <message>
        <source>The main currency stands at the top of the converter.</source>
        <translation>ارز اصلی در بالای مبدل قرار دارد.</translation>
    </message>
    <message>
        <source>Visible Currencies</source>
        <translation>ارزهای نمایان</translation>
    </message>
    <message>
        <source>When the computer is in another country, Cambio offers to make that country’s currency the main one.</source>
        <translation>هنگامی که رایانه در کشور دیگری است، Cambio پیشنهاد می‌کند ارز آن کشور ارز اصلی شود.</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>فرستادن</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>فرستادن بازخورد</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>نام</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>رایانامه</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>پیام</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>نام:</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>رایانامه:</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>پیام:</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>الزامی</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>اختیاری</translation>
    </message>
    <message>
        <source>Sending…</source>
        <translation>در حال فرستادن…</translation>
    </message>
    <message>
        <source>Please enter your e-mail address.</source>
        <translation>لطفاً نشانی رایانامهٔ خود را وارد کنید.</translation>
    </message>
    <message>
        <source>This e-mail address is not complete.</source>
        <translation>این نشانی رایانامه کامل نیست.</translation>
    </message>
    <message>
        <source>Please write a message.</source>
        <translation>لطفاً پیامی بنویسید.</translation>
    </message>
    <message>
        <source>Your message could not be saved: %@</source>
        <translation>پیام شما ذخیره نشد: %@</translation>
    </message>
    <message>
        <source>Thank you for your feedback.</source>
        <translation>از بازخورد شما سپاسگزاریم.</translation>
    </message>
    <message>
        <source>Your feedback could not be sent.</source>
        <translation>بازخورد شما فرستاده نشد.</translation>
    </message>
    <message>
        <source>It has been sent.</source>
        <translation>فرستاده شد.</translation>
    </message>
    <message>
        <source>Send Report</source>
        <translation>فرستادن گزارش</translation>
    </message>
    <message>
        <source>Don&apos;t Send</source>
        <translation>نفرست</translation>
    </message>
    <message>
        <source>Always Send</source>
        <translation>همیشه بفرست</translation>
    </message>
    <message>
        <source>The crash report could not be sent.</source>
        <translation>گزارش فروپاشی فرستاده نشد.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>هم‌رسانی</translation>
    </message>
    <message>
        <source>Sharing</source>
        <translation>هم‌رسانی</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>رونوشت در تخته‌گیره</translation>
    </message>
    <message>
        <source>Save Picture…</source>
        <translation>ذخیرهٔ تصویر…</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>ذخیرهٔ تصویر</translation>
    </message>
    <message>
        <source>The picture could not be saved as %@.</source>
        <translation>تصویر با نام %@ ذخیره نشد.</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>رایانامه</translation>
    </message>
    <message>
        <source>The e-mail could not be prepared.</source>
        <translation>رایانامه آماده نشد.</translation>
    </message>
    <message>
        <source>The mail program could not be opened.</source>
        <translation>برنامهٔ رایانامه باز نشد.</translation>
    </message>
    <message>
        <source>FeedbackIntroduction</source>
        <translation>به ما بگویید چه چیزی را می‌پسندید، چه چیزی کم است یا چه چیزی درست کار نکرد.</translation>
    </message>
    <message>
        <source>FeedbackKeptInformativeText</source>
        <translation>پیام شما در پوشهٔ %@ نگه داشته می‌شود.</translation>
    </message>
    <message>
        <source>FeedbackNotSentInformativeText</source>
        <translation>پیام شما در %@ ذخیره شده است. دلیل:</translation>
    </message>
    <message>
        <source>CrashReportAlertMessage</source>
        <translation>‏Cambio بار گذشته که اجرا شد، به‌طور غیرمنتظره بسته شد.</translation>
    </message>
    <message>
        <source>CrashReportAlertInformativeText</source>
        <translation>آیا می‌خواهید گزارشی از آن به %@ بفرستید؟ گزارش می‌گوید برنامه هنگام توقف چه می‌کرد؛ هیچ‌چیز از آنچه تایپ کرده‌اید در آن نیست.</translation>
    </message>
    <message>
        <source>CrashReportKeptInformativeText</source>
        <translation>گزارشی از آنچه رخ داد در این رایانه، در پوشهٔ %@ نگه داشته می‌شود. به جایی فرستاده نمی‌شود: هیچ نشانی‌ای برای فرستادن گزارش‌ها تنظیم نشده است.</translation>
    </message>
    <message>
        <source>CrashReportNotSentInformativeText</source>
        <translation>در %@ می‌ماند و در آغاز بعدی دوباره پیشنهاد می‌شود. دلیل:</translation>
    </message>
    <message>
        <source>AboutDataLicences</source>
        <translation>نرخ‌هایی که همراه Cambio می‌آیند از API ارز fawazahmed0/exchange-api (CC0 1.0) گرفته شده‌اند. مرزهای کشورها از country-coder است (پروانهٔ ISC، «%@» را ببینید). پرچم‌ها از iso-flags-svg دبیان هستند (مالکیت عمومی)؛ پرچم‌های بیت‌کوین، گیلدر کارائیب و طلای زیمبابوه از خود Cambio است.</translation>
    </message>
    <message>
        <source>FeedbackDestinationComputer</source>
        <translation>پیام شما در این رایانه، در پوشهٔ %@ نگه داشته خواهد شد. به جایی فرستاده نمی‌شود: هیچ نشانی‌ای برای فرستادن بازخورد تنظیم نشده است.</translation>
    </message>
    <message>
        <source>FeedbackDestinationAddress</source>
        <translation>پیام شما به %@ فرستاده می‌شود و رونوشتی از آن در این رایانه نگه داشته می‌شود.</translation>
    </message>
    <message>
        <source>There is no amount to paste.</source>
        <translation>مبلغی برای چسباندن نیست.</translation>
    </message>
    <message>
        <source>Only one amount can be pasted at a time.</source>
        <translation>هر بار فقط یک مبلغ را می‌توان چسباند.</translation>
    </message>
    <message>
        <source>“%@” is not an amount.</source>
        <translation>«%@» مبلغ نیست.</translation>
    </message>
    <message>
        <source>Amounts have at most %@ digits before the decimal separator.</source>
        <translation>مبلغ‌ها پیش از جداکنندهٔ اعشاری حداکثر %@ رقم دارند.</translation>
    </message>
    <message>
        <source>“%@” stands for more than one currency here.</source>
        <translation>«%@» در اینجا بر بیش از یک ارز دلالت دارد.</translation>
    </message>
    <message>
        <source>“%@” names more than one currency.</source>
        <translation>«%@» به بیش از یک ارز اشاره دارد.</translation>
    </message>
    <message>
        <source>%@ is not among the currencies shown.</source>
        <translation>‏%@ در میان ارزهای نشان‌داده‌شده نیست.</translation>
    </message>
    <message>
        <source>CrashReportNotPutAsideInformativeText</source>
        <translation>همراه گزارش‌های تازه در %@ می‌ماند و در آغاز بعدی دوباره پیشنهاد می‌شود. دلیل:</translation>
    </message>
    <message>
        <source>FeedbackNotMovedInformativeText</source>
        <translation>همراه پیام‌هایی که هنوز فرستاده نشده‌اند در %@ می‌ماند. دلیل:</translation>
    </message>
    <message>
        <source>The crash report could not be put aside.</source>
        <translation>گزارش فروپاشی کنار گذاشته نشد.</translation>
    </message>
    <message>
        <source>cannot make the folder %@</source>
        <translation>ساختن پوشهٔ %@ ممکن نیست</translation>
    </message>
    <message>
        <source>Rates are %@ old</source>
        <translation>نرخ‌ها %@ پیش به‌روز شده‌اند</translation>
    </message>
    <message>
        <source>rates of %@</source>
        <translation>نرخ‌های %@</translation>
    </message>
    <message>
        <source>redirect to %@ refused</source>
        <translation>تغییر مسیر به %@ رد شد</translation>
    </message>
    <message>
        <source>a redirect loop</source>
        <translation>حلقهٔ تغییر مسیر</translation>
    </message>
    <message>
        <source>it leaves HTTPS</source>
        <translation>از HTTPS خارج می‌شود</translation>
    </message>
    <message>
        <source>more than %@ redirects</source>
        <translation>بیش از %@ تغییر مسیر</translation>
    </message>
    <message>
        <source>HTTP %@ without a target</source>
        <translation>HTTP %@ بدون مقصد</translation>
    </message>
    <message>
        <source>the answer's compression is damaged or would inflate beyond any limit</source>
        <translation>فشرده‌سازی پاسخ خراب است یا باز کردن آن از هر حدی فراتر می‌رود</translation>
    </message>
    <message>
        <source>TLS handshake failed: %@</source>
        <translation>دست‌دهی TLS ناموفق بود: %@</translation>
    </message>
    <message>
        <source>Usage: %@</source>
        <translation>استفاده: %@</translation>
    </message>
    <message>
        <source>Converts amounts with Cambio's rates and changes the currencies the converter shows. Amounts are read and written in the current locale; currency codes in any case.</source>
        <translation>مبلغ‌ها را با نرخ‌های Cambio تبدیل می‌کند و ارزهایی را که مبدل نشان می‌دهد تغییر می‌دهد. مبلغ‌ها با تنظیمات محلی کنونی خوانده و نوشته می‌شوند؛ کدهای ارز با حروف بزرگ یا کوچک.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>فرمان‌ها:</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>گزینه‌ها:</translation>
    </message>
    <message>
        <source>AMOUNT in FROM converted into each TO, or into every row of the converter</source>
        <translation>مبلغ AMOUNT به ارز FROM، تبدیل‌شده به هر TO یا به هر سطر مبدل</translation>
    </message>
    <message>
        <source>the conversions that the desktop's search shows for TEXT, such as “100 usd in eur” or “5 usd + 2 gbp in eur, jpy”</source>
        <translation>تبدیل‌هایی که جست‌وجوی میزکار برای TEXT نشان می‌دهد، مانند «100 usd in eur» یا «5 usd + 2 gbp in eur, jpy»</translation>
    </message>
    <message>
        <source>the copied summary of every row for AMOUNT in FROM (the main currency when FROM is not given)</source>
        <translation>خلاصهٔ رونوشت‌شدهٔ همهٔ سطرها برای AMOUNT به ارز FROM (بی FROM، ارز اصلی)</translation>
    </message>
    <message>
        <source>every currency of the rates with its name; --available: only those not shown yet; --filter: only those that TEXT finds</source>
        <translation>همهٔ ارزهای نرخ‌ها با نامشان؛ --available: فقط آن‌هایی که هنوز نمایان نیستند؛ --filter: فقط آن‌هایی که TEXT پیدا می‌کند</translation>
    </message>
    <message>
        <source>the currencies the converter shows, after the change if one is given</source>
        <translation>ارزهایی که مبدل نشان می‌دهد، پس از تغییر اگر داده شود</translation>
    </message>
    <message>
        <source>the main currency, after fixing it to CODE or letting it follow the computer's country</source>
        <translation>ارز اصلی، پس از ثابت کردن آن روی CODE یا سپردن آن به کشور رایانه</translation>
    </message>
    <message>
        <source>fetches the latest rates from the rates server</source>
        <translation>تازه‌ترین نرخ‌ها را از کارساز نرخ‌ها می‌گیرد</translation>
    </message>
    <message>
        <source>the date of the rates, then each currency's rates from and to the US dollar; their age goes to stderr</source>
        <translation>تاریخ نرخ‌ها، سپس نرخ هر ارز از دلار آمریکا و به آن؛ عمر نرخ‌ها در stderr نوشته می‌شود</translation>
    </message>
    <message>
        <source>use the locale ID for amounts (for example de_DE, or ar_EG@numbers=latn for the digits 0 to 9) instead of the current one</source>
        <translation>به‌کارگیری تنظیمات محلی ID برای مبلغ‌ها به‌جای تنظیمات کنونی (برای نمونه de_DE، یا ar_EG@numbers=latn برای رقم‌های 0 تا 9)</translation>
    </message>
    <message>
        <source>no warning on stderr that the rates are old</source>
        <translation>بدون هشدار در stderr که نرخ‌ها قدیمی‌اند</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>نمایش این راهنما و خروج</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>نمایش نگارش و خروج</translation>
    </message>
    <message>
        <source>Exit status: 0 when done, 1 when the operation failed, 2 for a bad command line.</source>
        <translation>وضعیت خروج: 0 در صورت موفقیت، 1 اگر عملیات شکست خورد، 2 برای خط فرمان نادرست.</translation>
    </message>
    <message>
        <source>%@ takes no value</source>
        <translation>%@ مقداری نمی‌پذیرد</translation>
    </message>
    <message>
        <source>%@ needs a value</source>
        <translation>%@ به یک مقدار نیاز دارد</translation>
    </message>
    <message>
        <source>unknown option: %@</source>
        <translation>گزینهٔ ناشناخته: %@</translation>
    </message>
    <message>
        <source>%1 takes no arguments: %2</source>
        <translation>%1 آرگومانی نمی‌پذیرد: %2</translation>
    </message>
    <message>
        <source>no command given (see cambio-cli --help)</source>
        <translation>فرمانی داده نشده است (ببینید cambio-cli --help)</translation>
    </message>
    <message>
        <source>%1 takes no option %2</source>
        <translation>%1 گزینهٔ %2 را نمی‌پذیرد</translation>
    </message>
    <message>
        <source>unknown command: %@ (see cambio-cli --help)</source>
        <translation>فرمان ناشناخته: %@ (ببینید cambio-cli --help)</translation>
    </message>
    <message>
        <source>not an amount: %@</source>
        <translation>مبلغ نیست: %@</translation>
    </message>
    <message>
        <source>convert needs an amount and a currency: %@</source>
        <translation>convert به یک مبلغ و یک ارز نیاز دارد: %@</translation>
    </message>
    <message>
        <source>query needs a text: %@</source>
        <translation>query به یک متن نیاز دارد: %@</translation>
    </message>
    <message>
        <source>not a conversion: %@</source>
        <translation>تبدیل نیست: %@</translation>
    </message>
    <message>
        <source>no usable rate for %@ in the rates in force</source>
        <translation>در نرخ‌های جاری نرخ قابل‌استفاده‌ای برای %@ نیست</translation>
    </message>
    <message>
        <source>amount too large to convert into %@</source>
        <translation>مبلغ برای تبدیل به %@ بیش از حد بزرگ است</translation>
    </message>
    <message>
        <source>summary needs an amount: %@</source>
        <translation>summary به یک مبلغ نیاز دارد: %@</translation>
    </message>
    <message>
        <source>no main currency is in force; give FROM or fix one with: %@</source>
        <translation>هیچ ارز اصلی‌ای برقرار نیست؛ FROM را بدهید یا یکی را با این فرمان ثابت کنید: %@</translation>
    </message>
    <message>
        <source>currencies takes no currency: %@</source>
        <translation>currencies ارزی نمی‌پذیرد: %@</translation>
    </message>
    <message>
        <source>visible takes one of: %@</source>
        <translation>visible یکی از این‌ها را می‌پذیرد: %@</translation>
    </message>
    <message>
        <source>main takes one currency or --auto: %@</source>
        <translation>main یک ارز یا --auto می‌پذیرد: %@</translation>
    </message>
    <message>
        <source>update takes no arguments</source>
        <translation>update آرگومانی نمی‌پذیرد</translation>
    </message>
    <message>
        <source>the rates were not updated</source>
        <translation>نرخ‌ها به‌روز نشدند</translation>
    </message>
    <message>
        <source>no rates: neither the rates file nor the program's own copy can be read</source>
        <translation>نرخی نیست: نه پروندهٔ نرخ‌ها خواندنی است و نه رونوشت خود برنامه</translation>
    </message>
    <message>
        <source>the rates file's entry for %@ is unusable; the program's own rates are shown</source>
        <translation>مدخل پروندهٔ نرخ‌ها برای %@ قابل‌استفاده نیست؛ نرخ‌های خود برنامه نشان داده می‌شوند</translation>
    </message>
    <message>
        <source>the rates file's entry for %@ is unusable and left out</source>
        <translation>مدخل پروندهٔ نرخ‌ها برای %@ قابل‌استفاده نیست و کنار گذاشته شد</translation>
    </message>
    <message>
        <source>cannot write the output</source>
        <translation>نوشتن خروجی ممکن نیست</translation>
    </message>
    <message>
        <source>cannot write the output: %@</source>
        <translation>نوشتن خروجی ممکن نیست: %@</translation>
    </message>
    <message>
        <source>no locale given</source>
        <translation>تنظیمات محلی داده نشده است</translation>
    </message>
    <message>
        <source>unknown locale: %@</source>
        <translation>تنظیمات محلی ناشناخته: %@</translation>
    </message>
    <message>
        <source>no decimal numbering system: %@</source>
        <translation>دستگاه شمار ده‌دهی نیست: %@</translation>
    </message>
    <message>
        <source>locale keyword not supported: %@ (numbers and currency are)</source>
        <translation>کلیدواژهٔ تنظیمات محلی پشتیبانی نمی‌شود: %@ (numbers و currency پشتیبانی می‌شوند)</translation>
    </message>
    <message>
        <source>Rates are %1 old: %2</source>
        <translation>نرخ‌ها %1 پیش به‌روز شده‌اند: %2</translation>
    </message>
    <message>
        <source>Rates are %@ old: the rates server has no newer rates</source>
        <translation>نرخ‌ها %@ پیش به‌روز شده‌اند: کارساز نرخ‌ها نرخ تازه‌تری ندارد</translation>
    </message>
    <message>
        <source>Serves exchange rates to Cambio at %1, gathered from the European Central Bank and the community currency API, and each source's state at %2.</source>
        <translation>نرخ‌های ارز گردآمده از بانک مرکزی اروپا و API ارز جامعه را در %1 و وضعیت هر منبع را در %2 به Cambio ارائه می‌کند.</translation>
    </message>
    <message>
        <source>Every option but --once may also be set in %@, one “name = value” line each; the command line wins.</source>
        <translation>هر گزینه جز --once را می‌توان در %@ هم تنظیم کرد، هر کدام در یک سطر «name = value»؛ خط فرمان مقدم است.</translation>
    </message>
    <message>
        <source>where to listen (default %1; %2 for IPv6)</source>
        <translation>جای گوش دادن (پیش‌فرض %1؛ %2 برای IPv6)</translation>
    </message>
    <message>
        <source>the central bank's daily reference rates (XML); %@ turns them off</source>
        <translation>نرخ‌های مرجع روزانهٔ بانک مرکزی (XML)؛ %@ آن‌ها را خاموش می‌کند</translation>
    </message>
    <message>
        <source>the currency API's dollar table (JSON); repeat for fallbacks; %@ turns it off</source>
        <translation>جدول دلاری API ارز (JSON)؛ برای نشانی‌های جایگزین تکرار کنید؛ %@ آن را خاموش می‌کند</translation>
    </message>
    <message>
        <source>the table for currencies no live source has: a rates document or a JSON answer (default: the converter's own seed)</source>
        <translation>جدول ارزهایی که هیچ منبع زنده‌ای ندارد: یک سند نرخ‌ها یا یک پاسخ JSON (پیش‌فرض: جدول آغازین خود مبدل)</translation>
    </message>
    <message>
        <source>where the last good table is kept (default %@)</source>
        <translation>جای نگهداری آخرین جدول سالم (پیش‌فرض %@)</translation>
    </message>
    <message>
        <source>how old the newest rates may be for the table to count as current (default %1; at most %2, ten years)</source>
        <translation>بیشترین عمر تازه‌ترین نرخ‌ها برای آن‌که جدول به‌روز به شمار آید (پیش‌فرض %1؛ حداکثر %2، ده سال)</translation>
    </message>
    <message>
        <source>exit after that long without a request, for socket activation (default 0: never; at most %@, about 24 days)</source>
        <translation>خروج پس از این مدت بی‌درخواست، برای فعال‌سازی با سوکت (پیش‌فرض 0: هرگز؛ حداکثر %@، نزدیک 24 روز)</translation>
    </message>
    <message>
        <source>fetch once, write the table to FILE as JSON and exit; exit status 1 when no live source answered</source>
        <translation>یک بار گرفتن، نوشتن جدول به‌صورت JSON در FILE و خروج؛ وضعیت خروج 1 اگر هیچ منبع زنده‌ای پاسخ نداد</translation>
    </message>
    <message>
        <source>not a setting: %@</source>
        <translation>تنظیم نیست: %@</translation>
    </message>
    <message>
        <source>%1 needs an http or https URL: %2</source>
        <translation>%1 به یک نشانی http یا https نیاز دارد: %2</translation>
    </message>
    <message>
        <source>%1 needs a whole number of seconds from %2 to %3: %4</source>
        <translation>%1 به عددی صحیح از ثانیه‌ها از %2 تا %3 نیاز دارد: %4</translation>
    </message>
    <message>
        <source>unexpected argument: %@</source>
        <translation>آرگومان نامنتظر: %@</translation>
    </message>
    <message>
        <source>%1 needs %2, like %3: %4</source>
        <translation>%1 به %2 نیاز دارد، مانند %3: %4</translation>
    </message>
    <message>
        <source>%@ needs a file</source>
        <translation>%@ به یک پرونده نیاز دارد</translation>
    </message>
    <message>
        <source>%@ (see cambio-ratesd --help)</source>
        <translation>%@ (ببینید cambio-ratesd --help)</translation>
    </message>
    <message>
        <source>History</source>
        <translation>تاریخچه</translation>
    </message>
    <message>
        <source>1 &amp;Month</source>
        <translation>&amp;یک ماه</translation>
    </message>
    <message>
        <source>&amp;3 Months</source>
        <translation>&amp;3 ماه</translation>
    </message>
    <message>
        <source>1 &amp;Year</source>
        <translation>یک &amp;سال</translation>
    </message>
    <message>
        <source>&amp;5 Years</source>
        <translation>&amp;5 سال</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;همه</translation>
    </message>
    <message>
        <source>Downloading…</source>
        <translation>در حال بارگیری…</translation>
    </message>
    <message>
        <source>The download failed: %@. Shown are the rates kept on this computer.</source>
        <translation>بارگیری ناموفق بود: %@. نرخ‌های نگه‌داشته‌شده در این رایانه نمایش داده می‌شوند.</translation>
    </message>
    <message>
        <source>No rates are kept for this range.</source>
        <translation>برای این بازه نرخی نگه داشته نشده است.</translation>
    </message>
    <message>
        <source>%1 per %2</source>
        <translation>%1 به ازای هر %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>over one month</source>
        <translation>در یک ماه</translation>
    </message>
    <message>
        <source>over three months</source>
        <translation>در سه ماه</translation>
    </message>
    <message>
        <source>over one year</source>
        <translation>در یک سال</translation>
    </message>
    <message>
        <source>over five years</source>
        <translation>در پنج سال</translation>
    </message>
    <message>
        <source>since %@</source>
        <translation>از %@</translation>
    </message>
    <message>
        <source>%1: no rates are kept.</source>
        <translation>%1: نرخی نگه داشته نشده است.</translation>
    </message>
    <message>
        <source>%1: only %2, on %3.</source>
        <translation>%1: فقط %2 در %3.</translation>
    </message>
    <message>
        <source>%1: from %2 to %3, low %4 on %5, high %6 on %7.</source>
        <translation>%1: از %2 به %3، کمترین %4 در %5، بیشترین %6 در %7.</translation>
    </message>
    <message>
        <source>No rates before %@.</source>
        <translation>پیش از %@ نرخی نیست.</translation>
    </message>
    <message>
        <source>No rates after %@.</source>
        <translation>پس از %@ نرخی نیست.</translation>
    </message>
    <message>
        <source>No rates from %1 to %2.</source>
        <translation>از %1 تا %2 نرخی نیست.</translation>
    </message>
    <message>
        <source>Change: %1 (%2)</source>
        <translation>تغییر: %1 (%2)</translation>
    </message>
    <message>
        <source>Low: %1 on %2</source>
        <translation>کمترین: %1 در %2</translation>
    </message>
    <message>
        <source>High: %1 on %2</source>
        <translation>بیشترین: %1 در %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>the rate history is kept in memory only, %@ cannot be used</source>
        <translation>تاریخچهٔ نرخ‌ها فقط در حافظه نگه داشته می‌شود، %@ قابل استفاده نیست</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>یک پروندهٔ معمولی نیست</translation>
    </message>
    <message>
        <source>it holds the tables of another program</source>
        <translation>جدول‌های برنامهٔ دیگری در آن است</translation>
    </message>
    <message>
        <source>its schema is of version %@</source>
        <translation>طرح آن از نسخهٔ %@ است</translation>
    </message>
    <message>
        <source>the rate history is begun anew, the old file is kept as %@</source>
        <translation>تاریخچهٔ نرخ‌ها از نو آغاز شد، پروندهٔ قدیمی با نام %@ نگه داشته شد</translation>
    </message>
    <message>
        <source>the rates could not be kept</source>
        <translation>نرخ‌ها نگه داشته نشدند</translation>
    </message>
    <message>
        <source>the answer holds no history of the currencies asked for</source>
        <translation>پاسخ تاریخچهٔ ارزهای درخواستی را ندارد</translation>
    </message>
    <message>
        <source>cannot download the rate history from %@</source>
        <translation>بارگیری تاریخچهٔ نرخ‌ها از %@ ممکن نیست</translation>
    </message>
    <message>
        <source>%1 per %2 from %3 to %4: %5 to %6, low %7 on %8, high %9 on %10, change %11 (%12)</source>
        <translation>%1 به ازای هر %2 از %3 تا %4: از %5 تا %6، کمترین %7 در %8، بیشترین %9 در %10، تغییر %11 (%12)</translation>
    </message>
    <message>
        <source>showing the rates kept on this computer</source>
        <translation>نرخ‌های نگه‌داشته در این رایانه نشان داده می‌شود</translation>
    </message>
    <message>
        <source>how many AGAINST (the main currency unless given) one CODE was worth each day, then the low, the high and the change; the last 30 days unless told, at most 10 years; dates as YYYY-MM-DD; --csv for spreadsheets</source>
        <translation>هر روز یک CODE چند AGAINST (اگر داده نشود، ارز اصلی) می‌ارزید، سپس کمینه، بیشینه و تغییر؛ اگر گفته نشود ۳۰ روز اخیر، حداکثر ۱۰ سال؛ تاریخ‌ها به شکل YYYY-MM-DD؛ ‎--csv برای صفحه‌گسترده‌ها</translation>
    </message>
    <message>
        <source>the answer is not what was asked for</source>
        <translation>پاسخ آن چیزی نیست که خواسته شد</translation>
    </message>
    <message>
        <source>the central bank's full history (XML), taken into the history once; %@ turns that off</source>
        <translation>تاریخچهٔ کامل بانک مرکزی (XML)، یک بار به تاریخچه افزوده می‌شود؛ %@ آن را خاموش می‌کند</translation>
    </message>
    <message>
        <source>history needs a currency: %@</source>
        <translation>history به یک ارز نیاز دارد: %@</translation>
    </message>
    <message>
        <source>history needs two different currencies: %@</source>
        <translation>history به دو ارز متفاوت نیاز دارد: %@</translation>
    </message>
    <message>
        <source>--days cannot go with --from or --to</source>
        <translation>--days را نمی‌توان با --from یا --to به کار برد</translation>
    </message>
    <message>
        <source>--days needs a number of days: %@</source>
        <translation>--days به تعداد روز نیاز دارد: %@</translation>
    </message>
    <message>
        <source>not a date (YYYY-MM-DD): %@</source>
        <translation>تاریخ نیست (YYYY-MM-DD): %@</translation>
    </message>
    <message>
        <source>--to needs --from</source>
        <translation>--to به --from نیاز دارد</translation>
    </message>
    <message>
        <source>the first day comes after the last: %1 to %2</source>
        <translation>روز اول بعد از روز آخر است: %1 تا %2</translation>
    </message>
    <message>
        <source>more than %1 years at once: %2 to %3</source>
        <translation>بیش از %1 سال در یک بار: %2 تا %3</translation>
    </message>
    <message>
        <source>no rates of %1 against %2 from %3 to %4</source>
        <translation>نرخی برای %1 در برابر %2 از %3 تا %4 نیست</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>RTL</translation>
    </message>
</context>
</TS>
