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
        <source>cannot update the rates from %@</source>
        <translation>به‌روزرسانی نرخ‌ها از %@ ممکن نیست</translation>
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
        <source>the rates server has no newer rates</source>
        <translation>کارساز نرخ‌ها نرخ تازه‌تری ندارد</translation>
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
        <source>the answer is not what was asked for</source>
        <translation>پاسخ آن چیزی نیست که خواسته شد</translation>
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
